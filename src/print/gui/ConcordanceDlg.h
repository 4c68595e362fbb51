#pragma once
// TConcordanceDlg ("Generate a Concordance"): which word groups to list, each as a word list
// and/or in the context of its verses, the chapters from which words are taken and the
// occurrence limit; OK writes the concordance (Concordance.h) as RTF or plain text.

#include "print/Concordance.h"
#include "print/gui/DocumentDlg.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace sv {

class TSpinEdit;

class TConcordanceDlg : public TDocumentDlg {
    Q_OBJECT
public:
    explicit TConcordanceDlg(const TPrintContext& context, QWidget* parent = nullptr);

    QPushButton* OKBtn; // the "OK" button (GenerateBtn)
    // Per word group, in the order of TConcGroup: its box and its two check boxes.
    std::array<QGroupBox*, ConcGroupCount> GroupBoxes{};
    std::array<QCheckBox*, ConcGroupCount> InContextBoxes{};
    std::array<QCheckBox*, ConcGroupCount> WordListBoxes{};
    QComboBox* StRefCB;
    QComboBox* EndRefCB;
    QRadioButton* RadioButton1; // "Exhaustive list"
    QRadioButton* RadioButton2; // "Don't include word unless it occurs more than"
    TSpinEdit* TotalSetsSpin;

    TConcordanceChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    void StRefCBChange();
    void EndRefCBChange();
};

} // namespace sv
