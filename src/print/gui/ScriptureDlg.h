#pragma once
// TScriptureDlg ("Generate scripture portion"): writes the scripture text from the first
// chapter through the chosen one as a three-column RTF document (ScripturePortion.h).

#include "print/gui/DocumentDlg.h"
#include "print/ScripturePortion.h"

class QCheckBox;
class QComboBox;

namespace sv {

class TSpinEdit;

class TScriptureDlg : public TDocumentDlg {
    Q_OBJECT
public:
    explicit TScriptureDlg(const TPrintContext& context, QWidget* parent = nullptr);

    QComboBox* ChaptersCB;
    QCheckBox* highlightMemory;
    QCheckBox* highlightKeywords;
    TSpinEdit* HighlightKeywordsSpin;
    QCheckBox* useColorCB;
    QCheckBox* includeFootnotesCB;

    TPortionChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    void UpdateEnabled();
};

} // namespace sv
