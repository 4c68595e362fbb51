#include "print/gui/MemListDlg.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "material/gui/SelectionFrames.h"
#include "print/MemoryList.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sv {

namespace { } // namespace

TMemListDlg::TMemListDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate Memory Verses", "Create", 2090, parent)
{
    auto* page = new QWidget(this);
    m_material = new TfrmMaterialSelection(*context.Books, true, page);
    m_material->setObjectName(QStringLiteral("material"));
    auto* options = new QGroupBox(FromUtf8("Options"), page);
    m_underlinePrejumpsBox = new QCheckBox(FromUtf8("Underline prejump words"), options);
    m_underlinePrejumpsBox->setObjectName(QStringLiteral("underlinePrejumpsBox"));
    m_prejumpListBox = new QCheckBox(FromUtf8("Include prejump list"), options);
    m_prejumpListBox->setObjectName(QStringLiteral("prejumpListBox"));
    m_singleMultiBox = new QCheckBox(FromUtf8("Include single- && multi- verse prejump lists"), options);
    m_singleMultiBox->setObjectName(QStringLiteral("singleMultiBox"));
    m_highlightKeywordsBox = new QCheckBox(FromUtf8("Highlight keywords used at most"), options);
    m_highlightKeywordsBox->setObjectName(QStringLiteral("highlightKeywordsBox"));
    m_keywordSpin = new TSpinEdit(1, 9, options);
    SetAccessibleName(m_keywordSpin, FromUtf8("Highlight keywords used this many times or less"));
    m_keywordSpin->setObjectName(QStringLiteral("keywordSpin"));
    m_useColourBox = new QCheckBox(FromUtf8("Use color for keywords"), options);
    m_useColourBox->setObjectName(QStringLiteral("useColourBox"));

    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(m_highlightKeywordsBox);
    keywordRow->addWidget(m_keywordSpin);
    keywordRow->addWidget(new QLabel(FromUtf8("times"), options));
    keywordRow->addStretch();
    auto* optionLay = new QVBoxLayout(options);
    optionLay->addWidget(m_underlinePrejumpsBox);
    optionLay->addWidget(m_prejumpListBox);
    optionLay->addWidget(m_singleMultiBox);
    optionLay->addLayout(keywordRow);
    optionLay->addWidget(m_useColourBox);
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_material);
    lay->addWidget(options);
    Finish(page);

    const TMemListChoices c = MemListChoicesOf(*context.User);
    m_material->LoadFromUser(*context.User);
    m_underlinePrejumpsBox->setChecked(c.UnderlinePrejumps);
    m_prejumpListBox->setChecked(c.IncludePrejumpList);
    m_singleMultiBox->setChecked(c.IncludeSingleMulti);
    m_highlightKeywordsBox->setChecked(c.HighlightKeywords);
    m_keywordSpin->setValue(c.KeywordLimit);
    m_useColourBox->setChecked(c.UseColor);
    connect(m_highlightKeywordsBox, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TMemListDlg::UpdateEnabled()
{
    m_keywordSpin->setEnabled(m_highlightKeywordsBox->isChecked());
    m_useColourBox->setEnabled(m_highlightKeywordsBox->isChecked());
}

TMemListChoices TMemListDlg::Choices() const
{
    TMemListChoices c;
    c.UnderlinePrejumps = m_underlinePrejumpsBox->isChecked();
    c.IncludePrejumpList = m_prejumpListBox->isChecked();
    c.IncludeSingleMulti = m_singleMultiBox->isChecked();
    c.HighlightKeywords = m_highlightKeywordsBox->isChecked();
    c.KeywordLimit = m_keywordSpin->value();
    c.UseColor = m_useColourBox->isChecked();
    return c;
}

void TMemListDlg::GenerateBtnClick()
{
    if (!m_material->AnyChecked()) {
        Warn("Please select some material to study.");
        return;
    }
    TUser& user = *m_context.User;
    const TMemListChoices c = Choices();
    StoreMemListChoices(user, c);
    m_material->SaveToUser(user);
    const auto passages = SelectedPassages(*m_context.Books, m_material->MemoryTable());
    if (passages.empty()) {
        Inform("There are no memory verses in the range of chapters that you selected");
        return;
    }
    if (const auto target = AskTarget("MEMORY")) {
        // A failed write keeps the window open for another try.
        if (!Produce(*target, target->Format, TDocumentKind::MemoryVerseList,
                     [&](TDocFile& file) { WriteMemoryList(file, *m_context.Books, passages, c); }))
            return;
    }
    close();
}

} // namespace sv
