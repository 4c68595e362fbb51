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

    TConcordanceChoices Choices() const;

protected:
    void GenerateBtnClick() override;

private:
    // The widgets; tests find them by objectName.
    QPushButton* m_okButton = nullptr;
    QComboBox* m_fromBox = nullptr;
    QComboBox* m_toBox = nullptr;
    QRadioButton* m_exhaustiveButton = nullptr;
    QRadioButton* m_frequentOnlyButton = nullptr;
    TSpinEdit* m_occurrencesSpin = nullptr;
    // Per word group, in the order of TConcGroup: its box and its two check boxes, named
    // "groupBox", "inContextBox" and "wordListBox" followed by the group's number.
    std::array<QGroupBox*, ConcGroupCount> m_groupBoxes{};
    std::array<QCheckBox*, ConcGroupCount> m_inContextBoxes{};
    std::array<QCheckBox*, ConcGroupCount> m_wordListBoxes{};

    void StRefCBChange();
    void EndRefCBChange();
};

} // namespace sv
