#pragma once
// TMemListDlg ("Generate Memory Verses"): writes the memory verse list of the chosen
// material with its prejump lists (MemoryList.h), as RTF or plain text.

#include "print/MemoryList.h"
#include "print/gui/DocumentDlg.h"

class QCheckBox;

namespace sv {

class TSpinEdit;
class TfrmMaterialSelection;

class TMemListDlg : public TDocumentDlg {
    Q_OBJECT
public:
    explicit TMemListDlg(const TPrintContext& context, QWidget* parent = nullptr);

    TMemListChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    // The widgets; tests find them by objectName.
    TfrmMaterialSelection* m_material = nullptr;
    QCheckBox* m_underlinePrejumpsBox = nullptr;
    QCheckBox* m_prejumpListBox = nullptr;
    QCheckBox* m_singleMultiBox = nullptr;
    QCheckBox* m_highlightKeywordsBox = nullptr;
    TSpinEdit* m_keywordSpin = nullptr;
    QCheckBox* m_useColourBox = nullptr;

    void UpdateEnabled();
};

} // namespace sv
