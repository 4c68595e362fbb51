#pragma once
// TDocumentDlg: what the document dialogs share: their buttons ("Create" or "OK", "Cancel",
// "Help"), Enter and Escape, the save dialog with the document defaults, writing and saving
// the document with every error reported through the message service, and the offer to
// open the finished file with the desktop's program for it.

#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "print/gui/PrintContext.h"

#include <QWidget>

#include <functional>
#include <optional>

class QPushButton;

namespace sv {

class TDocumentDlg : public QWidget {
    Q_OBJECT
public:
protected:
    // The widgets; tests find them by objectName.
    QPushButton* m_generateButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_helpButton = nullptr;

    TDocumentDlg(const TPrintContext& context, const char* caption, const char* generateCaption, int helpContext,
                 QWidget* parent);
    // Lays out the page above the buttons.
    void Finish(QWidget* page);
    virtual void GenerateBtnClick() = 0;

    struct TTarget {
        QString Path;
        TDocFormat Format = TDocFormat::Rtf;
    };
    enum class TFormats { RtfOrText, RtfOnly };
    // The save dialog with the RTF filter and, unless RtfOnly, the text filter; nothing when
    // cancelled.
    std::optional<TTarget> AskTarget(const char* defaultName, TFormats formats = TFormats::RtfOrText);
    // Writes through write, saves to the target and offers to open it. Errors are shown and
    // leave no file; returns whether the document was saved.
    bool Produce(const TTarget& target, TDocFormat format, TDocumentKind kind,
                 const std::function<void(TDocFile&)>& write);
    void Warn(const char* text);
    void Inform(const char* text);

    void keyPressEvent(QKeyEvent* event) override;

    TPrintContext m_context;
    int m_helpContext;
};

} // namespace sv
