#include "print/gui/ConcordanceDlg.h"

#include "content/Books.h"
#include "print/gui/ComboItems.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sv {

namespace {
QString L(const char* text) { return QString::fromUtf8(text); }
} // namespace

TConcordanceDlg::TConcordanceDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate a Concordance", "OK", 7200, parent), OKBtn(GenerateBtn)
{
    auto* page = new QWidget(this);
    auto* lists = new QGroupBox(L("Select Lists to include"), page);
    auto* grid = new QGridLayout(lists);
    for (int g = 0; g < ConcGroupCount; ++g) {
        auto* box = new QGroupBox(L(ConcGroupCaption(static_cast<TConcGroup>(g))), lists);
        auto* inContext = new QCheckBox(L("In context of verse"), box);
        auto* list = new QCheckBox(L("Word list"), box);
        auto* lay = new QVBoxLayout(box);
        lay->addWidget(inContext);
        lay->addWidget(list);
        GroupBoxes[static_cast<std::size_t>(g)] = box;
        InContextBoxes[static_cast<std::size_t>(g)] = inContext;
        WordListBoxes[static_cast<std::size_t>(g)] = list;
        grid->addWidget(box, g / 3, g % 3);
    }

    auto* criteria = new QGroupBox(L("Selection criteria"), page);
    auto* chapters = new QGroupBox(L("Chapters from which to take words"), criteria);
    StRefCB = new QComboBox(chapters);
    EndRefCB = new QComboBox(chapters);
    StRefCB->setToolTip(L("First chapter from which to ask verses"));
    EndRefCB->setToolTip(L("Last chapter from which to ask verses"));
    for (QComboBox* cb : {StRefCB, EndRefCB}) {
        TComboItems items(*cb);
        context.Books->FillChapterCombo(items);
        cb->setCurrentIndex(-1);
        cb->setPlaceholderText(L("(all)"));
    }
    auto* chapterLay = new QFormLayout(chapters);
    chapterLay->addRow(L("From"), StRefCB);
    chapterLay->addRow(L("To"), EndRefCB);

    auto* occurrence = new QGroupBox(L("Minimum word occurrence"), criteria);
    RadioButton1 = new QRadioButton(L("Exhaustive list"), occurrence);
    RadioButton2 = new QRadioButton(L("Don't include word unless it occurs more than"), occurrence);
    RadioButton2->setChecked(true);
    TotalSetsSpin = new TSpinEdit(1, 10, occurrence);
    TotalSetsSpin->setValue(3);
    // The number is chosen with the arrows only.
    if (auto* edit = TotalSetsSpin->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    auto* moreThan = new QHBoxLayout;
    moreThan->addWidget(RadioButton2);
    moreThan->addWidget(TotalSetsSpin);
    moreThan->addWidget(new QLabel(L("times."), occurrence));
    moreThan->addStretch();
    auto* occLay = new QVBoxLayout(occurrence);
    occLay->addWidget(RadioButton1);
    occLay->addLayout(moreThan);

    auto* criteriaLay = new QHBoxLayout(criteria);
    criteriaLay->addWidget(chapters);
    criteriaLay->addWidget(occurrence);
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(lists);
    lay->addWidget(criteria);
    Finish(page);

    connect(StRefCB, &QComboBox::activated, this, [this] { StRefCBChange(); });
    connect(EndRefCB, &QComboBox::activated, this, [this] { EndRefCBChange(); });
}

void TConcordanceDlg::StRefCBChange()
{
    if (EndRefCB->currentIndex() < StRefCB->currentIndex())
        EndRefCB->setCurrentIndex(StRefCB->currentIndex());
}

void TConcordanceDlg::EndRefCBChange()
{
    if (EndRefCB->currentIndex() < StRefCB->currentIndex())
        StRefCB->setCurrentIndex(EndRefCB->currentIndex());
}

TConcordanceChoices TConcordanceDlg::Choices() const
{
    TConcordanceChoices c;
    for (std::size_t g = 0; g < c.Groups.size(); ++g) {
        c.Groups[g].InContext = InContextBoxes[g]->isChecked();
        c.Groups[g].WordList = WordListBoxes[g]->isChecked();
    }
    // A chapter list left empty means the whole material at that end.
    c.FromChapter = StRefCB->currentIndex() >= 0 ? StRefCB->currentIndex() + 1 : 1;
    c.ToChapter = EndRefCB->currentIndex() >= 0 ? EndRefCB->currentIndex() + 1 : EndRefCB->count();
    c.Exhaustive = RadioButton1->isChecked();
    c.MoreThan = TotalSetsSpin->value();
    return c;
}

void TConcordanceDlg::GenerateBtnClick()
{
    const TConcordanceChoices c = Choices();
    if (!c.AnyList()) {
        Warn("Please select at least one list to include.");
        return;
    }
    if (const auto target = AskTarget("CONCORDANCE")) {
        if (!Produce(*target, target->Format, TDocumentKind::Concordance,
                     [&](TDocFile& file) { WriteConcordance(file, *m_context.Words, *m_context.Books, c); }))
            return;
    }
    close();
}

} // namespace sv
