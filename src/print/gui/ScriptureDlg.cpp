#include "print/gui/ScriptureDlg.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "print/gui/ComboItems.h"
#include "shell/ErrorBoundary.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sv {

namespace { } // namespace

TScriptureDlg::TScriptureDlg(const TPrintContext& context, QWidget* parent)
    : TDocumentDlg(context, "Generate scripture portion", "Create", 2100, parent)
{
    auto* page = new QWidget(this);
    m_chaptersBox = new QComboBox(page);
    m_chaptersBox->setObjectName(QStringLiteral("chaptersBox"));
    m_chaptersBox->setToolTip(FromUtf8("Last chapter to include in printed portion"));
    SetAccessibleName(m_chaptersBox, FromUtf8("Last chapter to include"));
    TComboItems items(*m_chaptersBox);
    context.Books->FillChapterCombo(items);
    m_chaptersBox->setCurrentIndex(0);
    m_highlightMemoryBox = new QCheckBox(FromUtf8("Highlight memory verses"), page);
    m_highlightMemoryBox->setObjectName(QStringLiteral("highlightMemoryBox"));
    m_highlightKeywordsBox = new QCheckBox(FromUtf8("Highlight keywords used"), page);
    m_highlightKeywordsBox->setObjectName(QStringLiteral("highlightKeywordsBox"));
    m_keywordSpin = new TSpinEdit(1, 9, page);
    SetAccessibleName(m_keywordSpin, FromUtf8("Highlight keywords used this many times or less"));
    m_keywordSpin->setObjectName(QStringLiteral("keywordSpin"));
    m_useColourBox = new QCheckBox(FromUtf8("Color memory && keywords"), page);
    m_useColourBox->setObjectName(QStringLiteral("useColourBox"));
    m_footnotesBox = new QCheckBox(FromUtf8("Include footnotes"), page);
    m_footnotesBox->setObjectName(QStringLiteral("footnotesBox"));

    auto* chapterRow = new QHBoxLayout;
    auto* thru = new QLabel(FromUtf8("Material thru"), page);
    thru->setBuddy(m_chaptersBox);
    chapterRow->addWidget(thru);
    chapterRow->addWidget(m_chaptersBox, 1);
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(m_highlightKeywordsBox);
    keywordRow->addWidget(new QLabel(FromUtf8("at most"), page));
    keywordRow->addWidget(m_keywordSpin);
    keywordRow->addWidget(new QLabel(FromUtf8("times"), page));
    keywordRow->addStretch();
    auto* lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addLayout(chapterRow);
    lay->addWidget(m_highlightMemoryBox);
    lay->addLayout(keywordRow);
    lay->addWidget(m_useColourBox);
    lay->addWidget(m_footnotesBox);
    Finish(page);

    const TPortionChoices c = PortionChoicesOf(*context.User);
    m_highlightMemoryBox->setChecked(c.HighlightMemory);
    m_highlightKeywordsBox->setChecked(c.HighlightKeywords);
    m_keywordSpin->setValue(c.KeywordLimit);
    m_useColourBox->setChecked(c.UseColor);
    m_footnotesBox->setChecked(c.IncludeFootnotes);
    connect(m_highlightMemoryBox, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(m_highlightKeywordsBox, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TScriptureDlg::UpdateEnabled()
{
    m_keywordSpin->setEnabled(m_highlightKeywordsBox->isChecked());
    m_useColourBox->setEnabled(m_highlightKeywordsBox->isChecked() || m_highlightMemoryBox->isChecked());
}

TPortionChoices TScriptureDlg::Choices() const
{
    TPortionChoices c;
    c.ThroughChapter = m_chaptersBox->currentIndex() + 1;
    c.HighlightMemory = m_highlightMemoryBox->isChecked();
    c.HighlightKeywords = m_highlightKeywordsBox->isChecked();
    c.KeywordLimit = m_keywordSpin->value();
    c.UseColor = m_useColourBox->isChecked() && m_useColourBox->isEnabled();
    c.IncludeFootnotes = m_footnotesBox->isChecked();
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
    user.Options.UseColor = m_useColourBox->isChecked() ? 1 : 0;
    TFootnotes notes;
    if (c.IncludeFootnotes) {
        // A footnote file that cannot be read ends this command with its message; the window
        // stays open for another try.
        if (!Guarded([&] { notes = ReadFootnotes(m_context.ProgramDir + "footnotes.txt"); }, m_context.Messages))
            return;
        if (notes.LeftOut > 0)
            Warn("The file footnotes.txt holds more than 500 footnotes; the footnotes after the first 500 are left "
                 "out.");
    }
    if (!Produce(*target, TDocFormat::Rtf, TDocumentKind::ScripturePortion,
                 [&](TDocFile& file) { WriteScripturePortion(file, *m_context.Books, c, notes.Items); }))
        return;
    close();
}

} // namespace sv
