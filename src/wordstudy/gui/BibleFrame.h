#pragma once
// TfrmBible: the word study browser as a frame of widgets. The scripture canvas shows the
// verses of the current list with their labels, section titles and keyword colours; the word
// list panel shows the words that pass the use limit, word group and "through" chapter; the
// bottom bar holds "Used", the keyword use limit, "Hide" and "List". All decisions are made by
// TBibleBrowser (BibleBrowser.h); this frame draws, forwards input and mirrors the state into
// its controls.
//
// Hosts: the Bible window (TBibleForm, BibleForm.h) and the question editor, which uses the frame
// to pick a verse (no keywords, word list hidden, "Hide" hidden, any mouse button selects).

#include "content/VerseRef.h"
#include "wordstudy/BibleBrowser.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPainter;
class QScrollBar;
class QSpinBox;

namespace sv {

class IMessageService;

class TBooks;
class TBibleCanvas;
class TWordlistCanvas;

class TfrmBible : public QWidget {
public:
    // The frame runs InitBrowser for its host at once. wordUseLimit is the person's
    // WordUseLimit (read now, written back on every change); speech may be null.
    TfrmBible(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech, TBibleHost host,
              QWidget* parent = nullptr);
    ~TfrmBible() override;

    TBibleBrowser& Browser() { return *m_browser; }
    const TBibleBrowser& Browser() const { return *m_browser; }

    // --- what the hosts and the study session call ---------------------------------------
    void FreeBrowser();
    // Every verse, no chosen words, word list hidden.
    void ShowAllVerses();
    // Highlights n verses from ref, scrolls to them and brings the host window to the front
    // (restoring it when minimised).
    void LocateVerses(const TVerseRef& ref, int n);
    // As if "Used" were clicked into the given state.
    void SetUsed(bool checked);

    // The caption the host window shows ("3 verses with ..." or the section title).
    QString Caption() const { return m_caption; }
    // Called whenever the caption changes.
    std::function<void(const QString&)> OnCaption;
    // Called when a click selects a verse (the question editor takes it).
    std::function<void(const TVerseRef&)> OnVerseSelected;
    // The message service for errors (a range error in the content that ended an operation)
    // and notices; without one, the main window's.
    IMessageService* Messages = nullptr;

    // Clipboard actions (also on the pop-up menus and Ctrl+C).
    void CopyVerses();
    void CopyWords();
    // Ctrl+C in the word list: the chosen words, or the whole list when none is chosen.
    void CopyChosenWords();
    void SpeakWords();
    void ShowSearchBox();

    // Mouse wheel at a global position; true always (the wheel is used up).
    bool HandleWheel(const QPoint& globalPos, int delta);

    // Line heights of the two canvases (text height of "Ag").
    int VerseLineHeight() const;
    int WordLineHeight() const;

    // --- drawing and input of the canvases (used by the canvas widgets) -----------------------
    void PaintVerses(QPainter& p, int width, int height);
    void PaintWords(QPainter& p, int width, int height);
    void VerseCanvasPressed(int y, bool leftButton);
    void WordCanvasPressed(int y, bool ctrl, bool shift);
    void ScrollKey(bool verses, int key);
    // The verses of the scripture page as drawn now, and the words the list shows (what a
    // screen reader reads of the two canvases); empty when nothing can be laid out.
    std::vector<TVerseBlock> PageBlocks() const;
    std::vector<int> ShownWords() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void BuildControls();
    void BuildMenus();
    void Sync();
    void Guard(const std::function<void()>& operation);
    TMeasureText VerseMeasure() const;

    std::unique_ptr<TBibleBrowser> m_browser;
    QString m_caption;
    bool m_syncing = false;

    TBibleCanvas* BibleCanvas = nullptr;
    QScrollBar* BibleScrollBar = nullptr;
    QMenu* VersesPopupMenu = nullptr;
    QAction* ToggleContext = nullptr;
    QAction* ClipboardVerses = nullptr;
    QWidget* WordlistPanel = nullptr;
    QComboBox* WordlistThroughCB = nullptr;
    QWidget* WordListSearchPanel = nullptr;
    QLineEdit* WordListSearchEdit = nullptr;
    TWordlistCanvas* WordlistCanvas = nullptr;
    QScrollBar* WordlistScrollBar = nullptr;
    QMenu* WordsPopupMenu = nullptr;
    QAction* MenuLocateWord = nullptr;
    QAction* MenuSpeakWord = nullptr;
    QMenu* CategoriesMenu = nullptr;
    QMenu* CatMoreMenu = nullptr;
    QAction* CatMore = nullptr;
    QAction* CategoryItems[WordGroupItems] = {};
    QAction* ClipboardWords = nullptr;
    QCheckBox* WordUseCB = nullptr;
    QSpinBox* wordUseSpin = nullptr;
    QCheckBox* HideCB = nullptr;
    QCheckBox* WordlistCB = nullptr;

    friend class TBibleCanvas;
    friend class TWordlistCanvas;
};

} // namespace sv
