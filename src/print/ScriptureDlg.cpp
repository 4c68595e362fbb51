#include "print/ScriptureDlg.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "print/ComboItems.h"
#include "shell/ErrorBoundary.h"
#include "user/User.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sv {

namespace {
} // namespace

TScriptureDlg::TScriptureDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate scripture portion", "Create", 2100, parent)
{
    auto* page = new QWidget(this);
    ChaptersCB = new QComboBox(page);
    ChaptersCB->setToolTip(FromUtf8("Last chapter to include in printed portion"));
    TComboItems items(*ChaptersCB);
    context.Books->FillChapterCombo(items);
    ChaptersCB->setCurrentIndex(0);
    highlightMemory = new QCheckBox(FromUtf8("Highlight memory verses"), page);
    highlightKeywords = new QCheckBox(FromUtf8("Highlight keywords used"), page);
    HighlightKeywordsSpin = new TSpinEdit(1, 9, page);
    useColorCB = new QCheckBox(FromUtf8("Color memory && keywords"), page);
    includeFootnotesCB = new QCheckBox(FromUtf8("Include footnotes"), page);

    auto* chapterRow = new QHBoxLayout;
    auto* thru = new QLabel(FromUtf8("Material thru"), page);
    thru->setBuddy(ChaptersCB);
    chapterRow->addWidget(thru);
    chapterRow->addWidget(ChaptersCB, 1);
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(highlightKeywords);
    keywordRow->addWidget(new QLabel(FromUtf8("at most"), page));
    keywordRow->addWidget(HighlightKeywordsSpin);
    keywordRow->addWidget(new QLabel(FromUtf8("times"), page));
    keywordRow->addStretch();
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addLayout(chapterRow);
    lay->addWidget(highlightMemory);
    lay->addLayout(keywordRow);
    lay->addWidget(useColorCB);
    lay->addWidget(includeFootnotesCB);
    Finish(page);

    const TPortionChoices c = PortionChoicesOf(*context.User);
    highlightMemory->setChecked(c.HighlightMemory);
    highlightKeywords->setChecked(c.HighlightKeywords);
    HighlightKeywordsSpin->setValue(c.KeywordLimit);
    useColorCB->setChecked(c.UseColor);
    includeFootnotesCB->setChecked(c.IncludeFootnotes);
    connect(highlightMemory, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(highlightKeywords, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TScriptureDlg::UpdateEnabled()
{
    HighlightKeywordsSpin->setEnabled(highlightKeywords->isChecked());
    useColorCB->setEnabled(highlightKeywords->isChecked() || highlightMemory->isChecked());
}

TPortionChoices TScriptureDlg::Choices() const
{
    TPortionChoices c;
    c.ThroughChapter = ChaptersCB->currentIndex() + 1;
    c.HighlightMemory = highlightMemory->isChecked();
    c.HighlightKeywords = highlightKeywords->isChecked();
    c.KeywordLimit = HighlightKeywordsSpin->value();
    c.UseColor = useColorCB->isChecked() && useColorCB->isEnabled();
    c.IncludeFootnotes = includeFootnotesCB->isChecked();
    return c;
}

void TScriptureDlg::GenerateBtnClick()
{
    // The portion is RTF only (three columns, footnotes): the dialog offers no text filter.
    const auto target = AskTarget("SCRIPTURE", TFormats::RtfOnly);
    if (!target) {
        close();
        return;
    }
    TUser& user = *m_context.User;
    TPortionChoices c = Choices();
    StorePortionChoices(user, c);
    // The colour choice is remembered even while it is disabled.
    user.Options.UseColor = useColorCB->isChecked() ? 1 : 0;
    TFootnotes notes;
    if (c.IncludeFootnotes) {
        if (!Guarded([&] { notes = ReadFootnotes(m_context.ProgramDir + "footnotes.txt"); }, m_context.Messages)) {
            close();
            return;
        }
        if (notes.LeftOut > 0)
            Warn("The file footnotes.txt holds more than 500 footnotes; the footnotes after the first 500 are left out.");
    }
    if (!Produce(*target, TDocFormat::Rtf, TDocumentKind::ScripturePortion,
                 [&](TDocFile& file) { WriteScripturePortion(file, *m_context.Books, c, notes.Items); }))
        return;
    close();
}

} // namespace sv
