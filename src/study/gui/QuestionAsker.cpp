#include "study/gui/QuestionAsker.h"

#include "common/Contrast.h"
#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "shell/ErrorBoundary.h"
#include "shell/ExitAgreement.h"
#include "shell/Services.h"
#include "study/AskerRun.h"
#include "study/Recitation.h"
#include "study/gui/QtSessionPorts.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/LipPicture.h"
#include "widgets/ObjectNames.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace sv {

namespace {
// A keyword colour (0x00BBGGRR) made readable on the white text area.
QColor ColourOf(std::uint32_t bgr)
{
    const QColor c(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                   static_cast<int>((bgr >> 16) & 0xFF));
    return QColor(QRgb(ReadableOn(c.rgb() & 0xFFFFFF, 0xFFFFFF)));
}
} // namespace

// A text area of the session: draws a marked text in runs (study/AskerRun.h).
class TAskerCanvas : public QWidget {
public:
    TAskerCanvas(const TAskerLogic* const* logic, bool answer, QWidget* parent)
        : QWidget(parent), m_logic(logic), m_answer(answer)
    {
        setObjectName(QString::fromLatin1(answer ? "AnswerCanvas" : "QuestionCanvas"));
        setMinimumSize(260, answer ? 90 : 70);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }
    int LineHeight() const { return QFontMetrics(font()).height() + 1; }
    // Room for a long question or a two-verse answer without scrolling.
    QSize sizeHint() const override { return {420, m_answer ? 130 : 110}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const TAskerLogic* logic = *m_logic;
        if (!logic)
            return;
        if (m_answer ? !logic->AnswerShown() : !logic->QuestionShown())
            return;
        const TMarkedText& text = m_answer ? logic->Answer() : logic->Question();
        QPainter p(this);
        auto fontFor = [this](std::uint8_t style) {
            QFont f = font();
            f.setBold(style & 1);
            f.setItalic(style & 2);
            f.setUnderline(style & 4);
            return f;
        };
        const int lineHeight = QFontMetrics(font()).boundingRect(FromUtf8("Ag")).height() + 1;
        const auto runs =
            LayoutAskerRuns(text, m_answer, width(), lineHeight, [&](const std::string& s, std::uint8_t style) {
                return QFontMetrics(fontFor(style)).horizontalAdvance(FromWin1252(s));
            });
        const int ascent = QFontMetrics(font()).ascent();
        for (const TAskerRun& run : runs) {
            p.setFont(fontFor(run.Style));
            p.setPen(ColourOf(run.Colour));
            p.drawText(run.X, run.Y + ascent, FromWin1252(run.Text));
        }
    }

private:
    const TAskerLogic* const* m_logic;
    bool m_answer;
};

TQuestionAsker::TQuestionAsker(const TStudyContext& context, const TSessionSettings& settings,
                               std::unique_ptr<ISessionItems> items, QWidget* parent)
    : QWidget(parent), m_context(context), m_items(std::move(items))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setProperty("helpContext", HelpContext);

    MakeQuestionBox();
    MakeAnswerBox();
    MakeTimeBox();
    MakeScorePanel();
    MakeButtons();

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {StartStop, Right, Wrong, QuitBtn, Bible})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(TimeGroupBox);
    right->addWidget(ScorePanel);
    right->addLayout(buttons);
    auto* left = new QVBoxLayout;
    left->addWidget(QuestionGroupBox, 1);
    left->addWidget(AnswerGroupBox, 1);
    if (settings.Kind == TAskerKind::MemoryVerses && settings.TypeVerse) {
        MakeRecitationBox();
        left->addWidget(RecitationGroupBox, 1);
    }
    auto* lay = new QHBoxLayout(this);
    lay->addLayout(left, 1);
    lay->addLayout(right);
    resize(560, 380);

    MakePopupMenu();

    if (!m_context.Timers) {
        m_ownTimers = std::make_unique<TQtSessionTimers>();
        m_context.Timers = m_ownTimers.get();
    }
    Lip->SetSpeakingQuery([this] { return m_context.Voice && m_context.Voice->IsSpeaking(); });
    Lip->hide();

    m_logic =
        std::make_unique<TAskerLogic>(settings, *m_items, *m_context.Voice, *this, *m_context.Timers, *m_context.Random,
                                      m_context.User->Options.UseLips, m_context.User->FullName.text());
    m_logicPtr = m_logic.get();

    // Every button and menu item acts through the error boundary.
    auto click = [this](void (TAskerLogic::*action)()) {
        return [this, action] { Act([&] { (m_logic.get()->*action)(); }); };
    };
    connect(StartStop, &QPushButton::clicked, this, click(&TAskerLogic::StartStopClick));
    connect(Right, &QPushButton::clicked, this, click(&TAskerLogic::RightClick));
    connect(Wrong, &QPushButton::clicked, this, click(&TAskerLogic::WrongClick));
    connect(QuitBtn, &QPushButton::clicked, this, [this] { close(); });
    connect(Bible, &QPushButton::clicked, this, [this] { Act([this] { BibleClick(); }); });
    connect(LeftAccToButton, &QPushButton::clicked, this, click(&TAskerLogic::LeftAccToClick));
    connect(RightAccToButton, &QPushButton::clicked, this, click(&TAskerLogic::RightAccToClick));
    connect(useLipsToReadQuestion, &QAction::triggered, this,
            [this](bool checked) { Act([&] { m_logic->UseLipsClick(checked); }); });
    connect(undoGrade, &QAction::triggered, this, [this] { UndoGrade(); });

    // The window sees keys before its controls; the pop-up menu keeps its own keys.
    for (QWidget* w : findChildren<QWidget*>())
        if (w != m_popup && !m_popup->isAncestorOf(w))
            w->installEventFilter(this);

    SetAccessibleNames();
    NameControls();
    ViewChanged();
}

void TQuestionAsker::MakeQuestionBox()
{
    QuestionGroupBox = new QGroupBox(FromUtf8("QUESTION"), this);
    prefixLabel = new QLabel(QuestionGroupBox);
    prefixLabel->setStyleSheet(FromUtf8("QLabel { background: #FFF4C0; color: black; padding: 2px; }"));
    prefixLabel->setWordWrap(true);
    prefixLabel->hide();
    QuestionCanvas = new TAskerCanvas(&m_logicPtr, false, QuestionGroupBox);
    Lip = new TLipPicture(QuestionGroupBox);
    AccToButtonsPanel = new QWidget(QuestionGroupBox);
    NumOfAccTosLabel = new QLabel(AccToButtonsPanel);
    LeftAccToButton = new QPushButton(FromUtf8("<"), AccToButtonsPanel);
    RightAccToButton = new QPushButton(FromUtf8(">"), AccToButtonsPanel);
    for (QPushButton* b : {LeftAccToButton, RightAccToButton}) {
        b->setFixedWidth(28);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto* accLay = new QHBoxLayout(AccToButtonsPanel);
    accLay->setContentsMargins(0, 0, 0, 0);
    accLay->addWidget(NumOfAccTosLabel);
    accLay->addWidget(LeftAccToButton);
    accLay->addWidget(RightAccToButton);
    AccToButtonsPanel->hide();
    auto* qLay = new QGridLayout(QuestionGroupBox);
    qLay->addWidget(prefixLabel, 0, 0, 1, 2);
    qLay->addWidget(QuestionCanvas, 1, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(Lip);
    side->addStretch();
    side->addWidget(AccToButtonsPanel);
    qLay->addLayout(side, 1, 1);
    qLay->setColumnStretch(0, 1);
}

void TQuestionAsker::MakeAnswerBox()
{
    AnswerGroupBox = new QGroupBox(FromUtf8("ANSWER"), this);
    AnswerCanvas = new TAskerCanvas(&m_logicPtr, true, AnswerGroupBox);
    auto* aLay = new QVBoxLayout(AnswerGroupBox);
    aLay->addWidget(AnswerCanvas);
}

void TQuestionAsker::MakeTimeBox()
{
    TimeGroupBox = new QGroupBox(FromUtf8("Time Left"), this);
    TimeStr = new QLabel(FromUtf8("30"), TimeGroupBox);
    QFont big = TimeStr->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    TimeStr->setFont(big);
    TimeStr->setAlignment(Qt::AlignCenter);
    TimeStr->setAutoFillBackground(true);
    auto* tLay = new QVBoxLayout(TimeGroupBox);
    tLay->addWidget(TimeStr);
}

void TQuestionAsker::MakeScorePanel()
{
    ScorePanel = new QWidget(this);
    auto* sLay = new QGridLayout(ScorePanel);
    sLay->setContentsMargins(0, 0, 0, 0);
    TotalLabel = new QLabel(ScorePanel);
    RightLabel = new QLabel(ScorePanel);
    MissedLabel = new QLabel(ScorePanel);
    ScoreLabel = new QLabel(ScorePanel);
    const char* names[4] = {"Total Questions:", "Number Right:", "Number Missed:", "Complete:"};
    QLabel* values[4] = {TotalLabel, RightLabel, MissedLabel, ScoreLabel};
    for (int i = 0; i < 4; ++i) {
        sLay->addWidget(new QLabel(FromUtf8(names[i]), ScorePanel), i, 0);
        sLay->addWidget(values[i], i, 1);
    }
}

void TQuestionAsker::MakeButtons()
{
    StartStop = new QPushButton(FromUtf8("&Start"), this);
    Right = new QPushButton(FromUtf8("&Right"), this);
    Wrong = new QPushButton(FromUtf8("&Wrong"), this);
    QuitBtn = new QPushButton(FromUtf8("&Quit"), this);
    Bible = new QPushButton(FromUtf8("Bible"), this);
    Bible->setToolTip(FromUtf8("Show the passage in the word study"));
}

void TQuestionAsker::MakeRecitationBox()
{
    RecitationGroupBox = new QGroupBox(FromUtf8("Your recitation"), this);
    RecitationEdit = new QPlainTextEdit(RecitationGroupBox);
    RecitationEdit->setPlaceholderText(FromUtf8("Type the verse here, then press Answer (Ctrl+Enter)"));
    RecitationEdit->setTabChangesFocus(true);
    RecitationResult = new QLabel(RecitationGroupBox);
    RecitationResult->setWordWrap(true);
    RecitationResult->setTextFormat(Qt::RichText);
    RecitationResult->hide();
    auto* rLay = new QVBoxLayout(RecitationGroupBox);
    rLay->addWidget(RecitationEdit);
    rLay->addWidget(RecitationResult);
}

void TQuestionAsker::MakePopupMenu()
{
    m_popup = new QMenu(this);
    useLipsToReadQuestion = m_popup->addAction(FromUtf8("Use lips to read question"));
    useLipsToReadQuestion->setCheckable(true);
    undoGrade = m_popup->addAction(FromUtf8("Undo grade"));
    undoGrade->setShortcut(QKeySequence::Undo);
    undoGrade->setShortcutContext(Qt::WidgetShortcut); // the window's key handling does the work
}

void TQuestionAsker::NameControls()
{
    SetObjectNames({{QuestionGroupBox, "questionBox"},
                    {prefixLabel, "prefixLabel"},
                    {QuestionCanvas, "questionText"},
                    {Lip, "lips"},
                    {AccToButtonsPanel, "accToButtons"},
                    {NumOfAccTosLabel, "accToCount"},
                    {LeftAccToButton, "previousAccToButton"},
                    {RightAccToButton, "nextAccToButton"},
                    {AnswerGroupBox, "answerBox"},
                    {AnswerCanvas, "answerText"},
                    {TimeGroupBox, "timeBox"},
                    {TimeStr, "timeLeft"},
                    {ScorePanel, "scorePanel"},
                    {TotalLabel, "totalCount"},
                    {RightLabel, "rightCount"},
                    {MissedLabel, "missedCount"},
                    {ScoreLabel, "completePercent"},
                    {StartStop, "startStopButton"},
                    {Right, "rightButton"},
                    {Wrong, "wrongButton"},
                    {QuitBtn, "quitButton"},
                    {Bible, "bibleButton"},
                    {useLipsToReadQuestion, "useLipsAction"},
                    {undoGrade, "undoGradeAction"},
                    {RecitationGroupBox, "recitationBox"},
                    {RecitationEdit, "recitationEdit"},
                    {RecitationResult, "recitationResult"}});
}

QFont TQuestionAsker::ClockFont() const { return TimeStr->font(); }
void TQuestionAsker::SetClockFont(const QFont& font) { TimeStr->setFont(font); }

void TQuestionAsker::AddBelowClock(QWidget* widget) { TimeGroupBox->layout()->addWidget(widget); }
void TQuestionAsker::FocusStartStop() { StartStop->setFocus(); }

TQuestionAsker::~TQuestionAsker()
{
    m_logicPtr = nullptr;
    // Freed without a close (the program ending): a word-study window still open must not
    // report its own closing to this window later.
    if (m_bible)
        m_bible->OnClosed = nullptr;
}

void TQuestionAsker::ViewChanged()
{
    if (!m_logic)
        return;
    const TAskerView& v = m_logic->View();
    setWindowTitle(FromWin1252(v.Caption));
    QuestionGroupBox->setTitle(FromWin1252(v.QuestionCaption));
    AnswerGroupBox->setTitle(FromWin1252(v.AnswerCaption));
    prefixLabel->setText(FromWin1252(v.Prefix));
    prefixLabel->setVisible(!v.Prefix.empty());
    StartStop->setText(FromWin1252(v.StartStopCaption));
    StartStop->setEnabled(v.StartStopEnabled);
    Right->setEnabled(v.RightEnabled);
    Wrong->setEnabled(v.WrongEnabled);
    QuitBtn->setEnabled(v.QuitEnabled);
    QuitBtn->setVisible(v.QuitVisible);
    QuitBtn->setText(FromWin1252(v.QuitCaption));
    Bible->setEnabled(v.BibleEnabled);
    TimeStr->setText(FromWin1252(v.TimeStr));
    QPalette pal = TimeStr->palette();
    pal.setColor(QPalette::WindowText, v.TimeActive ? QColor(Qt::white) : QColor(122, 150, 223));
    pal.setColor(QPalette::Window, QColor(0, 0, 96));
    TimeStr->setPalette(pal);
    ScorePanel->setVisible(v.ScorePanelVisible);
    TotalLabel->setText(FromWin1252(v.TotalText));
    RightLabel->setText(FromWin1252(v.RightText));
    MissedLabel->setText(FromWin1252(v.MissedText));
    ScoreLabel->setText(FromWin1252(v.ScoreText));
    Lip->setVisible(v.LipVisible);
    useLipsToReadQuestion->setEnabled(v.LipsMenuEnabled);
    useLipsToReadQuestion->setChecked(v.LipsMenuChecked);
    undoGrade->setEnabled(m_logic->CanUndoGrade());
    UpdateRecitation();
    AccToButtonsPanel->setVisible(v.AccToPanelVisible);
    LeftAccToButton->setEnabled(v.LeftAccToEnabled);
    RightAccToButton->setEnabled(v.RightAccToEnabled);
    NumOfAccTosLabel->setText(FromWin1252(v.NumOfAccTosText));
    switch (v.Focus) {
    case TAskerFocus::StartStop:
        StartStop->setFocus();
        break;
    case TAskerFocus::Right:
        Right->setFocus();
        break;
    case TAskerFocus::Wrong:
        Wrong->setFocus();
        break;
    case TAskerFocus::None:
        break;
    }
    // A typed recitation suggests the grade: Right when nothing differs, else Wrong.
    if (RecitationEdit && v.Focus == TAskerFocus::Right && m_recitationErrors > 0)
        Wrong->setFocus();
    QuestionCanvas->update();
    AnswerCanvas->update();
    Announce();
}

void TQuestionAsker::Announce()
{
    const TSessionLook look = TSessionLook::Of(*m_logic);
    // The two painted text areas read out what they show.
    QuestionCanvas->setAccessibleName(QuestionGroupBox->title());
    QuestionCanvas->setAccessibleDescription(FromWin1252(look.Question));
    AnswerCanvas->setAccessibleName(AnswerGroupBox->title());
    AnswerCanvas->setAccessibleDescription(FromWin1252(look.Answer));
    const std::vector<std::string> texts = m_announcements.Next(look);
    if (!m_context.Announcer)
        return;
    for (const std::string& text : texts)
        m_context.Announcer->Announce(FromWin1252(text));
}

void TQuestionAsker::MinimiseWordStudy()
{
    if (!m_bible)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_bible->parentWidget()))
        sub->showMinimized();
    else
        m_bible->showMinimized();
}

void TQuestionAsker::SetActiveLip(bool active)
{
    if (m_context.SetActiveLip)
        m_context.SetActiveLip(active ? Lip : nullptr);
}

void TQuestionAsker::ShowMessage(const std::string& text)
{
    if (m_context.Messages)
        m_context.Messages->Message(FromWin1252(text));
}

bool TQuestionAsker::Confirm(const std::string& text)
{
    return m_context.Messages && m_context.Messages->Confirm(FromWin1252(text));
}

void TQuestionAsker::BibleClick()
{
    const TStudyPassage passage = m_items->Passage();
    const bool fresh = !m_bible;
    if (fresh && m_context.OpenWordStudy) {
        m_bible = m_context.OpenWordStudy();
        if (m_bible)
            m_bible->OnClosed = [this] { m_bible = nullptr; };
    }
    if (!m_bible || passage.VerseCount <= 0)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_bible->parentWidget()))
        sub->showNormal();
    m_bible->ShowPassage(passage.Ref, passage.VerseCount, fresh);
}

void TQuestionAsker::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // A quit question that fails lets the session go rather than hold it open for good. The
    // program's exit question, once answered, stands for the session's own.
    bool mayClose = true;
    if (!ExitAgreed(*this))
        Act([&] { mayClose = m_logic->QueryClose(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_closed = true;
    // The word-study window belongs to the session and goes with it.
    if (m_bible) {
        TBibleForm* bible = m_bible;
        m_bible = nullptr;
        bible->OnClosed = nullptr;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(bible->parentWidget()))
            sub->close();
        else
            bible->close();
    }
    if (m_context.SetActiveLip)
        m_context.SetActiveLip(nullptr);
    event->accept();
    // The grades of the session reach the disk now, not only when the program ends.
    if (m_context.SaveResults)
        m_context.SaveResults();
    if (m_context.CommandsOn)
        m_context.CommandsOn();
}

QPushButton* TQuestionAsker::MnemonicButton(QKeyEvent* event) const
{
    if (!(event->modifiers() & Qt::AltModifier))
        return nullptr;
    const QString key = event->text().isEmpty() ? QKeySequence(event->key()).toString() : event->text();
    for (QPushButton* b : {StartStop, Right, Wrong, QuitBtn}) {
        if (!b->isVisible() || !b->isEnabled())
            continue;
        const QString text = b->text();
        const int amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size() && text.at(amp + 1).toLower() == key.toLower().at(0))
            return b;
    }
    return nullptr;
}

QPushButton* TQuestionAsker::OtherButton(QObject* receiver) const
{
    for (QPushButton* b : {Right, Wrong, QuitBtn, Bible})
        if (receiver == b)
            return b;
    return nullptr;
}

void TQuestionAsker::UpdateRecitation()
{
    if (!RecitationEdit)
        return;
    const TSessionPhase phase = m_logic->Phase();
    const bool asking = phase == TSessionPhase::Revealing || phase == TSessionPhase::QuestionShown;
    if (phase != m_recitationPhase) {
        if (phase == TSessionPhase::Ready) {
            RecitationEdit->clear();
            RecitationResult->clear();
            RecitationResult->hide();
            m_recitationErrors = -1;
        } else if (asking && m_recitationPhase == TSessionPhase::Ready) {
            RecitationEdit->setFocus();
        } else if (phase == TSessionPhase::AnswerShown && m_recitationErrors < 0) {
            const QString typed = RecitationEdit->toPlainText();
            const std::optional<TRecitationTask> task = m_items->RecitationTask(m_logic->Answer());
            const TRecitation r =
                task ? CompareRecitation(*task, typed) : CompareRecitation(RecitationPassage(m_logic->Answer()), typed);
            m_recitationErrors = r.Errors;
            RecitationResult->setText(RecitationMarkup(r));
            RecitationResult->show();
        }
        m_recitationPhase = phase;
    }
    RecitationEdit->setReadOnly(!asking);
}

bool TQuestionAsker::HandleKey(QKeyEvent* event, QObject* receiver)
{
    if (QPushButton* b = MnemonicButton(event)) {
        b->click();
        return true;
    }
    if (event->matches(QKeySequence::Undo))
        return UndoGrade();
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    int key = 0;
    switch (event->key()) {
    case Qt::Key_Space: {
        // Space is the next-step key (Start, Stop, Answer, Clear) wherever the focus is: it
        // never presses a grade button, Quit or Bible, and a held key does not step on.
        if (!event->isAutoRepeat())
            Act([&] { m_logic->KeyPress(' '); });
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QPushButton* b = OtherButton(receiver)) {
            if (b->isEnabled())
                b->click();
            return true;
        }
        key = '\r';
        break;
    case Qt::Key_R:
        key = 'R';
        break;
    case Qt::Key_W:
        key = 'W';
        break;
    case Qt::Key_Comma:
        key = ',';
        break;
    case Qt::Key_Period:
        key = '.';
        break;
    default:
        return false;
    }
    bool handled = true; // a key whose step failed is still the session's
    Act([&] { handled = m_logic->KeyPress(key); });
    return handled;
}

bool TQuestionAsker::UndoGrade()
{
    bool undone = true;
    Act([&] { undone = m_logic->UndoGrade(); });
    return undone;
}

bool TQuestionAsker::Act(const std::function<void()>& step)
{
    if (Guarded(step, m_context.Messages))
        return true;
    // The step stopped half way: the controls show where the session stands.
    ViewChanged();
    return false;
}

void TQuestionAsker::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event, this))
        QWidget::keyPressEvent(event);
}

bool TQuestionAsker::eventFilter(QObject* watched, QEvent* event)
{
    if (RecitationEdit && watched == RecitationEdit) {
        // Typing goes to the box; mnemonics, Ctrl+Enter (Answer) and Ctrl+Z still reach the session.
        if (event->type() == QEvent::ShortcutOverride && MnemonicButton(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (QPushButton* b = MnemonicButton(key)) {
                b->click();
                return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && (key->modifiers() & Qt::ControlModifier)) {
                StartStop->click();
                return true;
            }
            if (key->matches(QKeySequence::Undo) && m_logic->CanUndoGrade())
                return UndoGrade();
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // In the active session its own mnemonics win over the menu bar's.
        if (MnemonicButton(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        if (HandleKey(static_cast<QKeyEvent*>(event), watched))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TQuestionAsker::contextMenuEvent(QContextMenuEvent* event) { m_popup->exec(event->globalPos()); }

void TQuestionAsker::SetAccessibleNames()
{
    SetAccessibleName(this, FromUtf8("Study session"),
                      FromUtf8("Start shows the question and then the answer; grade yourself Right or Wrong"));
    SetAccessibleName(QuestionCanvas, FromUtf8("Question"));
    SetAccessibleName(AnswerCanvas, FromUtf8("Answer"));
    SetAccessibleName(LeftAccToButton, FromUtf8("Previous reference"));
    SetAccessibleName(RightAccToButton, FromUtf8("Next reference"));
    SetAccessibleName(Bible, FromUtf8("Bible"), FromUtf8("Opens the word study at this verse"));
    if (RecitationEdit)
        SetAccessibleName(RecitationEdit, FromUtf8("Your recitation"));
    // The read-outs keep their text as their name (what a screen reader says first); the
    // description says what the number is.
    const std::pair<QLabel*, const char*> readOuts[] = {
        {prefixLabel, "Question prefix"}, {NumOfAccTosLabel, "Number of references"},
        {TimeStr, "Time left"},           {TotalLabel, "Total questions"},
        {RightLabel, "Number right"},     {MissedLabel, "Number missed"},
        {ScoreLabel, "Complete"},
    };
    for (const auto& [label, what] : readOuts)
        label->setAccessibleDescription(FromUtf8(what));
}

} // namespace sv
