#include "print/gui/ConcordanceDlg.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "print/gui/ComboItems.h"
#include "widgets/AccessibleName.h"
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

namespace { } // namespace

TConcordanceDlg::TConcordanceDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate a Concordance", "OK", 7200, parent), m_okButton(m_generateButton)
{
    auto* page = new QWidget(this);
    auto* lists = new QGroupBox(FromUtf8("Select Lists to include"), page);
    auto* grid = new QGridLayout(lists);
    for (int g = 0; g < ConcGroupCount; ++g) {
        auto* box = new QGroupBox(FromUtf8(ConcGroupCaption(static_cast<TConcGroup>(g))), lists);
        auto* inContext = new QCheckBox(FromUtf8("In context of verse"), box);
        auto* list = new QCheckBox(FromUtf8("Word list"), box);
        auto* lay = new QVBoxLayout(box);
        lay->addWidget(inContext);
        lay->addWidget(list);
        box->setObjectName(QStringLiteral("groupBox%1").arg(g));
        inContext->setObjectName(QStringLiteral("inContextBox%1").arg(g));
        list->setObjectName(QStringLiteral("wordListBox%1").arg(g));
        m_groupBoxes[static_cast<std::size_t>(g)] = box;
        m_inContextBoxes[static_cast<std::size_t>(g)] = inContext;
        m_wordListBoxes[static_cast<std::size_t>(g)] = list;
        grid->addWidget(box, g / 3, g % 3);
    }

    auto* criteria = new QGroupBox(FromUtf8("Selection criteria"), page);
    auto* chapters = new QGroupBox(FromUtf8("Chapters from which to take words"), criteria);
    m_fromBox = new QComboBox(chapters);
    m_fromBox->setObjectName(QStringLiteral("fromBox"));
    SetAccessibleName(m_fromBox, FromUtf8("From chapter"));
    m_toBox = new QComboBox(chapters);
    m_toBox->setObjectName(QStringLiteral("toBox"));
    SetAccessibleName(m_toBox, FromUtf8("Through chapter"));
    m_fromBox->setToolTip(FromUtf8("First chapter from which to ask verses"));
    m_toBox->setToolTip(FromUtf8("Last chapter from which to ask verses"));
    for (QComboBox* cb : {m_fromBox, m_toBox}) {
        TComboItems items(*cb);
        context.Books->FillChapterCombo(items);
        cb->setCurrentIndex(-1);
        cb->setPlaceholderText(FromUtf8("(all)"));
    }
    auto* chapterLay = new QFormLayout(chapters);
    chapterLay->addRow(FromUtf8("From"), m_fromBox);
    chapterLay->addRow(FromUtf8("To"), m_toBox);

    auto* occurrence = new QGroupBox(FromUtf8("Minimum word occurrence"), criteria);
    m_exhaustiveButton = new QRadioButton(FromUtf8("Exhaustive list"), occurrence);
    m_exhaustiveButton->setObjectName(QStringLiteral("exhaustiveButton"));
    m_frequentOnlyButton = new QRadioButton(FromUtf8("Don't include word unless it occurs more than"), occurrence);
    m_frequentOnlyButton->setObjectName(QStringLiteral("frequentOnlyButton"));
    m_frequentOnlyButton->setChecked(true);
    m_occurrencesSpin = new TSpinEdit(1, 10, occurrence);
    SetAccessibleName(m_occurrencesSpin, FromUtf8("Words used this many times or less"));
    m_occurrencesSpin->setObjectName(QStringLiteral("occurrencesSpin"));
    m_occurrencesSpin->setValue(3);
    // The number is chosen with the arrows only.
    if (auto* edit = m_occurrencesSpin->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    auto* moreThan = new QHBoxLayout;
    moreThan->addWidget(m_frequentOnlyButton);
    moreThan->addWidget(m_occurrencesSpin);
    moreThan->addWidget(new QLabel(FromUtf8("times."), occurrence));
    moreThan->addStretch();
    auto* occLay = new QVBoxLayout(occurrence);
    occLay->addWidget(m_exhaustiveButton);
    occLay->addLayout(moreThan);

    auto* criteriaLay = new QHBoxLayout(criteria);
    criteriaLay->addWidget(chapters);
    criteriaLay->addWidget(occurrence);
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(lists);
    lay->addWidget(criteria);
    Finish(page);

    connect(m_fromBox, &QComboBox::activated, this, [this] { StRefCBChange(); });
    connect(m_toBox, &QComboBox::activated, this, [this] { EndRefCBChange(); });
}

void TConcordanceDlg::StRefCBChange()
{
    if (m_toBox->currentIndex() < m_fromBox->currentIndex())
        m_toBox->setCurrentIndex(m_fromBox->currentIndex());
}

void TConcordanceDlg::EndRefCBChange()
{
    if (m_toBox->currentIndex() < m_fromBox->currentIndex())
        m_fromBox->setCurrentIndex(m_toBox->currentIndex());
}

TConcordanceChoices TConcordanceDlg::Choices() const
{
    TConcordanceChoices c;
    for (std::size_t g = 0; g < c.Groups.size(); ++g) {
        c.Groups[g].InContext = m_inContextBoxes[g]->isChecked();
        c.Groups[g].WordList = m_wordListBoxes[g]->isChecked();
    }
    // A chapter list left empty means the whole material at that end.
    c.FromChapter = m_fromBox->currentIndex() >= 0 ? m_fromBox->currentIndex() + 1 : 1;
    c.ToChapter = m_toBox->currentIndex() >= 0 ? m_toBox->currentIndex() + 1 : m_toBox->count();
    c.Exhaustive = m_exhaustiveButton->isChecked();
    c.MoreThan = m_occurrencesSpin->value();
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
