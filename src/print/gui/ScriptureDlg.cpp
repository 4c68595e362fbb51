#include "print/gui/ScriptureDlg.h"

#include "content/Books.h"
#include "print/gui/ComboItems.h"
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
QString L(const char* text) { return QString::fromUtf8(text); }
} // namespace

TScriptureDlg::TScriptureDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate scripture portion", "Create", 2100, parent)
{
    auto* page = new QWidget(this);
    ChaptersCB = new QComboBox(page);
    ChaptersCB->setToolTip(L("Last chapter to include in printed portion"));
    TComboItems items(*ChaptersCB);
    context.Books->FillChapterCombo(items);
    ChaptersCB->setCurrentIndex(0);
    highlightMemory = new QCheckBox(L("Highlight memory verses"), page);
    highlightKeywords = new QCheckBox(L("Highlight keywords used"), page);
    HighlightKeywordsSpin = new TSpinEdit(1, 9, page);
    useColorCB = new QCheckBox(L("Color memory && keywords"), page);
    includeFootnotesCB = new QCheckBox(L("Include footnotes"), page);

    auto* chapterRow = new QHBoxLayout;
    auto* thru = new QLabel(L("Material thru"), page);
    thru->setBuddy(ChaptersCB);
    chapterRow->addWidget(thru);
    chapterRow->addWidget(ChaptersCB, 1);
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(highlightKeywords);
    keywordRow->addWidget(new QLabel(L("at most"), page));
    keywordRow->addWidget(HighlightKeywordsSpin);
    keywordRow->addWidget(new QLabel(L("times"), page));
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
        // A footnote file that cannot be read ends this command with its message; the window
        // stays open for another try.
        if (!Guarded([&] { notes = ReadFootnotes(m_context.ProgramDir + "footnotes.txt"); }, m_context.Messages))
            return;
        if (notes.LeftOut > 0)
            Warn("The file footnotes.txt holds more than 500 footnotes; the footnotes after the first 500 are left out.");
    }
    if (!Produce(*target, TDocFormat::Rtf, TDocumentKind::ScripturePortion,
                 [&](TDocFile& file) { WriteScripturePortion(file, *m_context.Books, c, notes.Items); }))
        return;
    close();
}

} // namespace sv
