#pragma once
// TScriptureDlg ("Generate scripture portion"): writes the scripture text from the first
// chapter through the chosen one as a three-column RTF document (ScripturePortion.h).

#include "print/ScripturePortion.h"
#include "print/gui/DocumentDlg.h"

class QCheckBox;
class QComboBox;

namespace sv {

class TSpinEdit;

class TScriptureDlg : public TDocumentDlg {
    Q_OBJECT
public:
    explicit TScriptureDlg(const TPrintContext& context, QWidget* parent = nullptr);

    TPortionChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    // The widgets; tests find them by objectName.
    QComboBox* m_chaptersBox = nullptr;
    QCheckBox* m_highlightMemoryBox = nullptr;
    QCheckBox* m_highlightKeywordsBox = nullptr;
    TSpinEdit* m_keywordSpin = nullptr;
    QCheckBox* m_useColourBox = nullptr;
    QCheckBox* m_footnotesBox = nullptr;

    void UpdateEnabled();
};

} // namespace sv
