#include "print/MemListDlg.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "print/MemoryList.h"
#include "study/Frames.h"
#include "user/User.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sv {

namespace {
} // namespace

TMemListDlg::TMemListDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate Memory Verses", "Create", 2090, parent)
{
    auto* page = new QWidget(this);
    Material = new TfrmMaterialSelection(*context.Books, true, page);
    auto* options = new QGroupBox(FromUtf8("Options"), page);
    UnderlinePrejumpsCheckBox = new QCheckBox(FromUtf8("Underline prejump words"), options);
    includePrejumpListCB = new QCheckBox(FromUtf8("Include prejump list"), options);
    includeSingleMulti = new QCheckBox(FromUtf8("Include single- && multi- verse prejump lists"), options);
    highlightKeywords = new QCheckBox(FromUtf8("Highlight keywords used at most"), options);
    highlightKeywordsSpin = new TSpinEdit(1, 9, options);
    useColorCB = new QCheckBox(FromUtf8("Use color for keywords"), options);

    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(highlightKeywords);
    keywordRow->addWidget(highlightKeywordsSpin);
    keywordRow->addWidget(new QLabel(FromUtf8("times"), options));
    keywordRow->addStretch();
    auto* optionLay = new QVBoxLayout(options);
    optionLay->addWidget(UnderlinePrejumpsCheckBox);
    optionLay->addWidget(includePrejumpListCB);
    optionLay->addWidget(includeSingleMulti);
    optionLay->addLayout(keywordRow);
    optionLay->addWidget(useColorCB);
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(Material);
    lay->addWidget(options);
    Finish(page);

    const TMemListChoices c = MemListChoicesOf(*context.User);
    Material->LoadFromUser(*context.User);
    UnderlinePrejumpsCheckBox->setChecked(c.UnderlinePrejumps);
    includePrejumpListCB->setChecked(c.IncludePrejumpList);
    includeSingleMulti->setChecked(c.IncludeSingleMulti);
    highlightKeywords->setChecked(c.HighlightKeywords);
    highlightKeywordsSpin->setValue(c.KeywordLimit);
    useColorCB->setChecked(c.UseColor);
    connect(highlightKeywords, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TMemListDlg::UpdateEnabled()
{
    highlightKeywordsSpin->setEnabled(highlightKeywords->isChecked());
    useColorCB->setEnabled(highlightKeywords->isChecked());
}

TMemListChoices TMemListDlg::Choices() const
{
    TMemListChoices c;
    c.UnderlinePrejumps = UnderlinePrejumpsCheckBox->isChecked();
    c.IncludePrejumpList = includePrejumpListCB->isChecked();
    c.IncludeSingleMulti = includeSingleMulti->isChecked();
    c.HighlightKeywords = highlightKeywords->isChecked();
    c.KeywordLimit = highlightKeywordsSpin->value();
    c.UseColor = useColorCB->isChecked();
    return c;
}

void TMemListDlg::GenerateBtnClick()
{
    if (!Material->AnyChecked()) {
        Warn("Please select some material to study.");
        return;
    }
    TUser& user = *m_context.User;
    const TMemListChoices c = Choices();
    StoreMemListChoices(user, c);
    Material->SaveToUser(user);
    const auto passages = SelectedPassages(*m_context.Books, Material->MemoryTable());
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
