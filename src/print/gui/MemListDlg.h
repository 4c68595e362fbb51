#pragma once
// TMemListDlg ("Generate Memory Verses"): writes the memory verse list of the chosen
// material with its prejump lists (MemoryList.h), as RTF or plain text.

#include "print/gui/DocumentDlg.h"
#include "print/MemoryList.h"

class QCheckBox;

namespace sv {

class TSpinEdit;
class TfrmMaterialSelection;

class TMemListDlg : public TDocumentDlg {
    Q_OBJECT
public:
    explicit TMemListDlg(const TPrintContext& context, QWidget* parent = nullptr);

    TfrmMaterialSelection* Material;
    QCheckBox* UnderlinePrejumpsCheckBox;
    QCheckBox* includePrejumpListCB;
    QCheckBox* includeSingleMulti;
    QCheckBox* highlightKeywords;
    TSpinEdit* highlightKeywordsSpin;
    QCheckBox* useColorCB;

    TMemListChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    void UpdateEnabled();
};

} // namespace sv
