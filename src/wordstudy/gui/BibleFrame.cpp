#include "wordstudy/gui/BibleFrame.h"

#include "common/Contrast.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "shell/ErrorBoundary.h"
#include "widgets/AccessibleName.h"
#include "widgets/PaintedItems.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace sv {
namespace {

const char* const CategoryNames[WordGroupItems] = {
    "CatAllWords", "CatPeople",   "CatPlaces",        "moreNouns",        "morePronouns",     "moreAdjectives",
    "moreVerbs",   "moreAdverbs", "morePrepositions", "moreConjunctions", "moreInterjections"};

// A tag of the marked text (0x00BBGGRR) as a colour; 0 is the canvas's text colour. A keyword
// colour is made readable on the page (a dark, high-contrast page too).
QColor TagColour(std::uint32_t tag, const QColor& deflt, const QColor& page)
{
    if (tag == 0)
        return deflt;
    const QColor c(static_cast<int>(tag & 0xFF), static_cast<int>((tag >> 8) & 0xFF),
                   static_cast<int>((tag >> 16) & 0xFF));
    return QColor(QRgb(ReadableOn(c.rgb() & 0xFFFFFF, page.rgb() & 0xFFFFFF)));
}

QFont BoldOf(QFont f)
{
    f.setBold(true);
    return f;
}

// The text of a block of runs, for a screen reader: the runs joined, a space where a line
// was broken between two words.
QString BlockText(const TTextBlock& block)
{
    QString text;
    int line = 0;
    for (const TTextRun& run : block.Runs) {
        const QString part = FromWin1252(run.Text);
        if (run.Line != line && !text.isEmpty() && !text.back().isSpace() && !part.startsWith(QLatin1Char(' ')))
            text += QLatin1Char(' ');
        line = run.Line;
        text += part;
    }
    return text.trimmed();
}

} // namespace

// The scripture canvas: draws through the frame, hands clicks and keys to it. A screen reader
// sees the verses of the page, each with its reference and text.
class TBibleCanvas : public QWidget, public IPaintedItems {
public:
    explicit TBibleCanvas(TfrmBible* frame) : QWidget(frame), m_frame(frame)
    {
        InstallPaintedItemsAccessibility();
        setAccessibleName(QStringLiteral("Scripture"));
        setObjectName(QStringLiteral("BibleCanvas"));
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAutoFillBackground(false);
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() + 1);
        setFont(f);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        m_frame->PaintVerses(p, width(), height());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        setFocus(Qt::MouseFocusReason);
        m_frame->VerseCanvasPressed(static_cast<int>(e->position().y()), e->button() == Qt::LeftButton);
    }
    void contextMenuEvent(QContextMenuEvent* e) override { m_frame->VersesPopupMenu->popup(e->globalPos()); }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Copy))
            m_frame->CopyVerses();
        else
            m_frame->ScrollKey(true, e->key());
    }

public:
    int PaintedItemCount() const override { return static_cast<int>(m_frame->PageBlocks().size()); }
    TPaintedItem PaintedItem(int index) const override
    {
        const std::vector<TVerseBlock> page = m_frame->PageBlocks();
        if (index < 0 || index >= static_cast<int>(page.size()))
            return {};
        const TVerseBlock& v = page[static_cast<std::size_t>(index)];
        TPaintedItem item;
        item.Name = FromWin1252(v.Label);
        item.Description =
            v.HasTitle ? BlockText(v.Title) + QStringLiteral(". ") + BlockText(v.Text) : BlockText(v.Text);
        item.Rect = QRect(0, v.Top, width(), v.Height);
        item.Current = v.LabelSelected;
        return item;
    }

private:
    TfrmBible* m_frame;
};

// The word list canvas; a screen reader sees the words shown, the chosen ones selected.
class TWordlistCanvas : public QWidget, public IPaintedItems {
public:
    explicit TWordlistCanvas(TfrmBible* frame, QWidget* parent) : QWidget(parent), m_frame(frame)
    {
        InstallPaintedItemsAccessibility();
        setAccessibleName(QStringLiteral("Word list"));
        setObjectName(QStringLiteral("WordlistCanvas"));
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setToolTip(QStringLiteral("Ctrl key to multi-select; right click for options"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        m_frame->PaintWords(p, width(), height());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        setFocus(Qt::MouseFocusReason);
        if (e->button() != Qt::LeftButton)
            return;
        m_frame->WordCanvasPressed(static_cast<int>(e->position().y()), e->modifiers() & Qt::ControlModifier,
                                   e->modifiers() & Qt::ShiftModifier);
    }
    void contextMenuEvent(QContextMenuEvent* e) override { m_frame->WordsPopupMenu->popup(e->globalPos()); }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Copy))
            m_frame->CopyChosenWords();
        else
            m_frame->ScrollKey(false, e->key());
    }

public:
    int PaintedItemCount() const override { return static_cast<int>(m_frame->ShownWords().size()); }
    TPaintedItem PaintedItem(int index) const override
    {
        const std::vector<int> words = m_frame->ShownWords();
        if (index < 0 || index >= static_cast<int>(words.size()))
            return {};
        const int w = words[static_cast<std::size_t>(index)];
        const int lh = m_frame->WordLineHeight();
        TPaintedItem item;
        item.Name = FromWin1252(m_frame->Browser().ListedWordText(w));
        item.Rect = QRect(0, index * lh, width(), lh);
        item.Current = m_frame->Browser().WordSelected(w);
        return item;
    }

private:
    TfrmBible* m_frame;
};

TfrmBible::TfrmBible(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech, TBibleHost host,
                     QWidget* parent)
    : QWidget(parent), m_browser(std::make_unique<TBibleBrowser>(books, wordUseLimit, speech))
{
    setObjectName(QStringLiteral("frmBible"));
    BuildControls();
    BuildMenus();
    // Fill the through list before the browser sets its item.
    const auto items = m_browser->ThroughItems();
    for (const auto& item : items)
        WordlistThroughCB->addItem(FromWin1252(item));
    m_browser->InitBrowser(host);
    // Verse text starts at 44 pixels, or further when the portion's labels are wider.
    {
        const QFontMetrics fm(BibleCanvas->font());
        int widest = 0;
        for (const auto& label : m_browser->LongestLabels())
            widest = std::max(widest, fm.horizontalAdvance(FromWin1252(label)));
        m_browser->SetTextIndent(std::max(TextIndent, LabelIndent + widest + 6));
    }
    // The wheel scrolls the panel under the pointer, whatever control it is over.
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w))
            w->installEventFilter(this);
    Sync();
}

TfrmBible::~TfrmBible() = default;

void TfrmBible::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);

    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    BibleCanvas = new TBibleCanvas(this);
    SetAccessibleName(BibleCanvas, QStringLiteral("Verses"));
    BibleScrollBar = new QScrollBar(Qt::Vertical, this);
    BibleScrollBar->setObjectName(QStringLiteral("BibleScrollBar"));
    top->addWidget(BibleCanvas, 1);
    top->addWidget(BibleScrollBar);

    WordlistPanel = new QWidget(this);
    WordlistPanel->setObjectName(QStringLiteral("WordlistPanel"));
    WordlistPanel->setFixedWidth(190);
    auto* panel = new QVBoxLayout(WordlistPanel);
    panel->setContentsMargins(4, 0, 0, 0);
    panel->setSpacing(2);
    WordlistThroughCB = new QComboBox(WordlistPanel);
    WordlistThroughCB->setObjectName(QStringLiteral("WordlistThroughCB"));
    WordlistThroughCB->setToolTip(QStringLiteral("Limit words and text through this chapter"));
    SetAccessibleName(WordlistThroughCB, QStringLiteral("Through chapter"));
    panel->addWidget(WordlistThroughCB);
    WordListSearchPanel = new QWidget(WordlistPanel);
    WordListSearchPanel->setObjectName(QStringLiteral("WordListSearchPanel"));
    auto* search = new QHBoxLayout(WordListSearchPanel);
    search->setContentsMargins(0, 0, 0, 0);
    WordListSearchEdit = new QLineEdit(WordListSearchPanel);
    WordListSearchEdit->setObjectName(QStringLiteral("WordListSearchEdit"));
    SetAccessibleName(WordListSearchEdit, QStringLiteral("Find word"));
    search->addWidget(WordListSearchEdit);
    WordListSearchPanel->hide();
    panel->addWidget(WordListSearchPanel);
    auto* words = new QHBoxLayout;
    words->setSpacing(0);
    WordlistCanvas = new TWordlistCanvas(this, WordlistPanel);
    SetAccessibleName(WordlistCanvas, QStringLiteral("Words"));
    WordlistScrollBar = new QScrollBar(Qt::Vertical, WordlistPanel);
    WordlistScrollBar->setObjectName(QStringLiteral("WordlistScrollBar"));
    words->addWidget(WordlistCanvas, 1);
    words->addWidget(WordlistScrollBar);
    panel->addLayout(words, 1);
    WordlistPanel->hide();
    top->addWidget(WordlistPanel);
    outer->addLayout(top, 1);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 0, 4, 2);
    WordUseCB = new QCheckBox(QStringLiteral("Used"), this);
    WordUseCB->setObjectName(QStringLiteral("WordUseCB"));
    WordUseCB->setToolTip(QStringLiteral("Highlight key words"));
    wordUseSpin = new QSpinBox(this);
    wordUseSpin->setObjectName(QStringLiteral("wordUseSpin"));
    wordUseSpin->setToolTip(QStringLiteral("Keyword use limit"));
    SetAccessibleName(wordUseSpin, QStringLiteral("Used at most this many times"));
    wordUseSpin->setRange(1, 50);
    wordUseSpin->setValue(3);
    wordUseSpin->setEnabled(false);
    HideCB = new QCheckBox(QStringLiteral("Hide"), this);
    HideCB->setObjectName(QStringLiteral("HideCB"));
    HideCB->setToolTip(QStringLiteral("Replace key words with stars"));
    WordlistCB = new QCheckBox(QStringLiteral("List"), this);
    WordlistCB->setObjectName(QStringLiteral("WordlistCB"));
    WordlistCB->setToolTip(QStringLiteral("Show word list"));
    bar->addWidget(WordUseCB);
    bar->addWidget(wordUseSpin);
    bar->addSpacing(8);
    bar->addWidget(HideCB);
    bar->addStretch(1);
    bar->addWidget(WordlistCB);
    outer->addLayout(bar);

    // Wiring: every input goes to the browser, then the controls follow its state.
    connect(BibleScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_syncing)
            Guard([&] { m_browser->ScrollVerses(v); });
    });
    connect(WordlistScrollBar, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_syncing)
            Guard([&] { m_browser->ScrollWords(v); });
    });
    connect(WordlistThroughCB, &QComboBox::activated, this,
            [this](int item) { Guard([&] { m_browser->ThroughChanged(item); }); });
    connect(WordUseCB, &QCheckBox::clicked, this,
            [this](bool checked) { Guard([&] { m_browser->UsedClicked(checked); }); });
    connect(wordUseSpin, &QSpinBox::valueChanged, this, [this](int v) {
        if (!m_syncing)
            Guard([&] { m_browser->SpinChanged(v); });
    });
    connect(HideCB, &QCheckBox::clicked, this,
            [this](bool checked) { Guard([&] { m_browser->HideClicked(checked); }); });
    connect(WordlistCB, &QCheckBox::clicked, this,
            [this](bool checked) { Guard([&] { m_browser->ListClicked(checked); }); });
    connect(WordListSearchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!WordListSearchPanel->isVisible())
            return;
        // Characters without a Windows-1252 byte cannot match any word: search up to them.
        QString usable;
        for (QChar c : text) {
            if (!ToWin1252(QStringView(&c, 1)))
                break;
            usable.append(c);
        }
        Guard([&] { m_browser->LocateWord(ToWin1252(usable).value_or(std::string())); });
    });
    WordListSearchEdit->installEventFilter(this);
    // The value changes by the arrows only.
    if (auto* edit = wordUseSpin->findChild<QLineEdit*>())
        edit->setReadOnly(true);
}

void TfrmBible::BuildMenus()
{
    VersesPopupMenu = new QMenu(this);
    VersesPopupMenu->setObjectName(QStringLiteral("VersesPopupMenu"));
    ToggleContext = VersesPopupMenu->addAction(QString::fromLatin1(SwitchToContext));
    ToggleContext->setObjectName(QStringLiteral("ToggleContext"));
    ToggleContext->setVisible(false);
    ClipboardVerses = VersesPopupMenu->addAction(QStringLiteral("&Copy to clipboard"));
    ClipboardVerses->setObjectName(QStringLiteral("ClipboardVerses"));
    connect(ToggleContext, &QAction::triggered, this, [this] { Guard([&] { m_browser->ToggleContextClick(); }); });
    connect(ClipboardVerses, &QAction::triggered, this, [this] { CopyVerses(); });

    WordsPopupMenu = new QMenu(this);
    WordsPopupMenu->setObjectName(QStringLiteral("WordsPopupMenu"));
    MenuLocateWord = WordsPopupMenu->addAction(QStringLiteral("Locate word..."));
    MenuLocateWord->setObjectName(QStringLiteral("MenuLocateWord"));
    MenuSpeakWord = WordsPopupMenu->addAction(QStringLiteral("Speak word"));
    MenuSpeakWord->setObjectName(QStringLiteral("MenuSpeakWord"));
    MenuSpeakWord->setEnabled(false);
    CategoriesMenu = WordsPopupMenu->addMenu(QStringLiteral("Word groups"));
    CategoriesMenu->setObjectName(QStringLiteral("CategoriesMenu"));
    ClipboardWords = WordsPopupMenu->addAction(QStringLiteral("Copy to clipboard"));
    ClipboardWords->setObjectName(QStringLiteral("ClipboardWords"));
    connect(MenuLocateWord, &QAction::triggered, this, [this] { ShowSearchBox(); });
    connect(MenuSpeakWord, &QAction::triggered, this, [this] { SpeakWords(); });
    connect(ClipboardWords, &QAction::triggered, this, [this] { CopyWords(); });

    for (int i = 0; i < WordGroupItems; ++i) {
        if (i == FirstMoreGroup) {
            CatMoreMenu = CategoriesMenu->addMenu(QStringLiteral("More groups"));
            CatMore = CatMoreMenu->menuAction();
            CatMore->setObjectName(QStringLiteral("CatMore"));
            CatMore->setCheckable(true);
        }
        QMenu* into = i >= FirstMoreGroup ? CatMoreMenu : CategoriesMenu;
        QAction* a = into->addAction(QString::fromLatin1(WordGroups[i].Name));
        a->setObjectName(QString::fromLatin1(CategoryNames[i]));
        a->setCheckable(true);
        CategoryItems[i] = a;
        connect(a, &QAction::triggered, this, [this, i] { Guard([&] { m_browser->ChooseWordGroup(i); }); });
    }
}

void TfrmBible::Guard(const std::function<void()>& operation)
{
    // The controls follow the browser's state also after a failed operation.
    Guarded(operation, Messages);
    Sync();
}

void TfrmBible::Sync()
{
    m_syncing = true;
    const TBibleControls& c = m_browser->Controls();
    WordUseCB->setChecked(c.UsedChecked);
    wordUseSpin->setValue(c.SpinValue);
    wordUseSpin->setEnabled(c.SpinEnabled);
    HideCB->setChecked(c.HideChecked);
    HideCB->setEnabled(c.HideEnabled);
    HideCB->setVisible(c.HideVisible);
    WordlistCB->setChecked(c.ListChecked);
    WordlistPanel->setVisible(c.ListChecked);
    if (WordlistThroughCB->currentIndex() != c.ThroughItem)
        WordlistThroughCB->setCurrentIndex(c.ThroughItem);
    for (int i = 0; i < WordGroupItems; ++i)
        CategoryItems[i]->setChecked(i == c.GroupItem);
    CatMore->setChecked(c.GroupItem >= FirstMoreGroup);
    ToggleContext->setVisible(c.ToggleContextVisible);
    ToggleContext->setText(QString::fromLatin1(c.ToggleContextCaption.c_str()));
    MenuSpeakWord->setEnabled(c.SpeakEnabled);
    MenuSpeakWord->setText(QString::fromLatin1(c.SpeakCaption.c_str()));

    const TScrollState& vs = m_browser->VerseScroll();
    BibleScrollBar->setRange(0, vs.Max);
    BibleScrollBar->setValue(vs.Pos);
    BibleScrollBar->setPageStep(vs.PageStep);
    const TScrollState& ws = m_browser->WordScroll();
    WordlistScrollBar->setRange(0, ws.Max);
    WordlistScrollBar->setValue(ws.Pos);
    WordlistScrollBar->setPageStep(ws.PageStep);
    m_syncing = false;

    QString caption;
    try {
        caption = FromWin1252(m_browser->Caption());
    } catch (const std::exception&) {
        caption.clear();
    }
    if (caption != m_caption) {
        m_caption = caption;
        if (OnCaption)
            OnCaption(m_caption);
    }
    BibleCanvas->update();
    WordlistCanvas->update();
}

void TfrmBible::FreeBrowser() { m_browser->FreeBrowser(); }

void TfrmBible::ShowAllVerses()
{
    Guard([&] { m_browser->ShowAllVerses(); });
}

void TfrmBible::LocateVerses(const TVerseRef& ref, int n)
{
    Guard([&] { m_browser->LocateVerses(ref, n); });
    // Bring the host window to the front; restore it when minimised.
    QWidget* host = window();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            host = sub;
            break;
        }
    if (host->isMinimized())
        host->showNormal();
    host->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(host); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void TfrmBible::SetUsed(bool checked)
{
    Guard([&] { m_browser->UsedClicked(checked); });
}

void TfrmBible::CopyVerses()
{
    std::string text;
    Guard([&] { text = m_browser->VersesClipboardText(); });
    QGuiApplication::clipboard()->setText(FromWin1252(text));
}

void TfrmBible::CopyWords()
{
    std::string text;
    Guard([&] { text = m_browser->WordsClipboardText(); });
    QGuiApplication::clipboard()->setText(FromWin1252(text));
}

void TfrmBible::CopyChosenWords()
{
    std::string text;
    Guard([&] {
        text = m_browser->ChosenWordsClipboardText();
        if (text.empty())
            text = m_browser->WordsClipboardText();
    });
    QGuiApplication::clipboard()->setText(FromWin1252(text));
}

void TfrmBible::SpeakWords()
{
    Guard([&] { m_browser->SpeakWords(); });
}

void TfrmBible::ShowSearchBox()
{
    WordListSearchEdit->clear();
    WordListSearchPanel->show();
    WordListSearchEdit->setFocus(Qt::OtherFocusReason);
}

bool TfrmBible::HandleWheel(const QPoint& globalPos, int delta)
{
    auto over = [&](QWidget* w) { return w->isVisible() && w->rect().contains(w->mapFromGlobal(globalPos)); };
    if (over(BibleCanvas) || over(BibleScrollBar))
        Guard([&] { m_browser->WheelVerses(delta); });
    else if (over(WordlistPanel))
        Guard([&] { m_browser->WheelWords(delta); });
    return true;
}

void TfrmBible::wheelEvent(QWheelEvent* e)
{
    HandleWheel(e->globalPosition().toPoint(), e->angleDelta().y());
    e->accept();
}

bool TfrmBible::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* e = static_cast<QWheelEvent*>(event);
        HandleWheel(e->globalPosition().toPoint(), e->angleDelta().y());
        e->accept();
        return true;
    }
    if (watched == WordListSearchEdit && event->type() == QEvent::FocusOut) {
        WordListSearchPanel->hide();
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

int TfrmBible::VerseLineHeight() const { return QFontMetrics(BibleCanvas->font()).height(); }

int TfrmBible::WordLineHeight() const { return QFontMetrics(WordlistCanvas->font()).height(); }

TMeasureText TfrmBible::VerseMeasure() const
{
    const QFontMetrics plain(BibleCanvas->font());
    const QFontMetrics bold(BoldOf(BibleCanvas->font()));
    return [plain, bold](std::string_view text, bool isBold) {
        return (isBold ? bold : plain).horizontalAdvance(FromWin1252(text));
    };
}

std::vector<TVerseBlock> TfrmBible::PageBlocks() const
{
    if (!m_browser || !m_browser->Active())
        return {};
    try {
        return m_browser->LayoutPage(BibleCanvas->width(), BibleCanvas->height(), VerseLineHeight(), VerseMeasure());
    } catch (const std::exception&) {
        return {};
    }
}

std::vector<int> TfrmBible::ShownWords() const
{
    std::vector<int> words;
    if (!m_browser || !m_browser->Active())
        return words;
    try {
        const int lh = WordLineHeight();
        for (int y = 0, w = m_browser->ListedWordAt(m_browser->WordScroll().Pos);
             w != 0 && y < WordlistCanvas->height(); y += lh, w = m_browser->NextListedWord(w))
            words.push_back(w);
    } catch (const std::exception&) {
        words.clear();
    }
    return words;
}

void TfrmBible::PaintVerses(QPainter& p, int width, int height)
{
    if (!m_browser->Active())
        return;
    const int lh = VerseLineHeight();
    const QFont plain = BibleCanvas->font();
    const QFont bold = BoldOf(plain);
    const QFontMetrics fm(plain);
    const QColor text = BibleCanvas->palette().color(QPalette::Text);
    const QColor paper = BibleCanvas->palette().color(QPalette::Base);
    std::vector<TVerseBlock> page;
    try {
        page = m_browser->LayoutPage(width, height, lh, VerseMeasure());
    } catch (const std::exception&) {
        return; // the content could not be drawn; the error shows on the next operation
    }
    auto drawRuns = [&](const TTextBlock& block, int top) {
        for (const TTextRun& run : block.Runs) {
            p.setFont(run.Bold ? bold : plain);
            p.setPen(TagColour(run.Colour, text, paper));
            p.drawText(run.X, top + run.Line * lh + fm.ascent(), FromWin1252(run.Text));
        }
    };
    for (const TVerseBlock& v : page) {
        if (v.HasTitle)
            drawRuns(v.Title, v.TitleTop);
        const QString label = FromWin1252(v.Label);
        p.setFont(plain);
        if (v.LabelSelected) {
            const QPalette& pal = BibleCanvas->palette();
            p.fillRect(QRect(LabelIndent, v.TextTop, fm.horizontalAdvance(label), lh), pal.color(QPalette::Highlight));
            p.setPen(pal.color(QPalette::HighlightedText));
        } else {
            p.setPen(TagColour(LabelColour, text, paper));
        }
        p.drawText(LabelIndent, v.TextTop + fm.ascent(), label);
        drawRuns(v.Text, v.TextTop);
    }
    m_browser->VersesDrawn(static_cast<int>(page.size()));
    BibleScrollBar->setPageStep(m_browser->VerseScroll().PageStep);
}

void TfrmBible::PaintWords(QPainter& p, int width, int height)
{
    if (!m_browser->Active())
        return;
    const int lh = WordLineHeight();
    const QFontMetrics fm(WordlistCanvas->font());
    const QPalette& pal = WordlistCanvas->palette();
    int lines = 0;
    try {
        int w = m_browser->ListedWordAt(m_browser->WordScroll().Pos);
        for (int y = 0; w != 0 && y < height; y += lh, ++lines, w = m_browser->NextListedWord(w)) {
            const QString word = FromWin1252(m_browser->ListedWordText(w));
            if (m_browser->WordSelected(w)) {
                p.fillRect(QRect(0, y, width, lh), pal.color(QPalette::Highlight));
                p.setPen(pal.color(QPalette::HighlightedText));
            } else {
                p.setPen(TagColour(m_browser->WordListColour(w), pal.color(QPalette::Text), pal.color(QPalette::Base)));
            }
            p.drawText(2, y + fm.ascent(), word);
        }
    } catch (const std::exception&) {
        return;
    }
    m_browser->WordLinesDrawn(lines);
    WordlistScrollBar->setPageStep(m_browser->WordScroll().PageStep);
}

void TfrmBible::VerseCanvasPressed(int y, bool leftButton)
{
    if (!m_browser->Active() || !m_browser->AcceptsVerseClick(leftButton))
        return;
    Guard([&] {
        const int index = m_browser->VerseAtY(y, BibleCanvas->width(), VerseLineHeight(), VerseMeasure());
        if (index == 0)
            return;
        m_browser->SelectVerse(index);
        if (OnVerseSelected)
            OnVerseSelected(m_browser->SelectedVerseRef());
    });
}

void TfrmBible::WordCanvasPressed(int y, bool ctrl, bool shift)
{
    if (!m_browser->Active())
        return;
    Guard([&] { m_browser->ClickWord(y / WordLineHeight(), ctrl, shift); });
    if (const int left = m_browser->LeftUnchosen(); left > 0)
        if (IMessageService* m = MessagesOr(Messages))
            m->Information(QStringLiteral("A word study lists at most 100 chosen words and the verses that "
                                          "hold them: %1 more word(s) could not be added.")
                               .arg(left));
}

void TfrmBible::ScrollKey(bool verses, int key)
{
    const TScrollState& s = verses ? m_browser->VerseScroll() : m_browser->WordScroll();
    int pos = s.Pos;
    switch (key) {
    case Qt::Key_Up:
        pos -= 1;
        break;
    case Qt::Key_Down:
        pos += 1;
        break;
    case Qt::Key_PageUp:
        pos -= s.PageStep;
        break;
    case Qt::Key_PageDown:
        pos += s.PageStep;
        break;
    case Qt::Key_Home:
        pos = 0;
        break;
    case Qt::Key_End:
        pos = s.Max;
        break;
    default:
        return;
    }
    Guard([&] {
        if (verses)
            m_browser->ScrollVerses(pos);
        else
            m_browser->ScrollWords(pos);
    });
}

} // namespace sv
