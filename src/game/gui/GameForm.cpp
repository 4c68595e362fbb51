#include "game/gui/GameForm.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "game/BoardColours.h"
#include "game/BoardSpeech.h"
#include "game/gui/GameQuestionAsker.h"
#include "game/gui/WagerForm.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "shell/ErrorBoundary.h"
#include "shell/ExitAgreement.h"
#include "shell/Services.h"
#include "study/gui/QtSessionPorts.h"
#include "user/User.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sv {

namespace {
QString Css(std::uint32_t rgb) { return QColor(QRgb(rgb)).name(); }

void KeepSpaceWhenHidden(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// The board scales its fonts with the window, but never below the desktop's font size.
void SetPixelFont(QWidget* w, int px, bool bold)
{
    QFont f = w->font();
    f.setPixelSize(std::max({8, px, QFontInfo(QApplication::font()).pixelSize()}));
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

std::string NameBytes(const QString& name)
{
    std::string out;
    for (const QChar c : name.trimmed()) {
        const auto b = ToWin1252(QStringView(&c, 1));
        out += b ? *b : std::string("?");
    }
    return out;
}

TGameForm::TGameForm(const TGameContext& context, QWidget* parent)
    : QWidget(parent), m_context(context),
      m_material(*context.Study.QsList, *context.Study.MVList, *context.Study.Questions, *context.Study.Books,
                 *context.Study.User)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("helpContext", HelpContext);
    setWindowTitle(FromUtf8("The One-Way Game"));
    setFocusPolicy(Qt::StrongFocus);
    ISessionTimers* timers = m_context.Study.Timers;
    if (!timers) {
        m_ownTimers = std::make_unique<TQtSessionTimers>();
        timers = m_ownTimers.get();
    }
    static TRandom fallbackRandom;
    IRandom& random = m_context.Study.Random ? *m_context.Study.Random : fallbackRandom;
    m_logic = std::make_unique<TGameLogic>(m_material, *m_context.Study.User, *this, *timers, random);

    QHBoxLayout* top = MakeScoreRow();

    TurnLabel = new QLabel(this);
    TurnLabel->setObjectName(FromUtf8("TurnLabel"));
    TurnLabel->setAlignment(Qt::AlignCenter);

    QHBoxLayout* board = MakeBoard();

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(TurnLabel);
    lay->addLayout(board, 1);
    QuitBtn->installEventFilter(this);
    resize(920, 660);
    Rescale();
    ViewChanged();
}

QHBoxLayout* TGameForm::MakeScoreRow()
{
    // Score boxes and Quit.
    auto* top = new QHBoxLayout;
    for (int p = 0; p < GameMaxPlayers; ++p) {
        auto* box = new QGroupBox(this);
        box->setObjectName(FromUtf8("P%1Label").arg(p + 1));
        auto* score = new QLabel(FromUtf8("0"), box);
        score->setObjectName(FromUtf8("P%1ScoreLabel").arg(p + 1));
        score->setAlignment(Qt::AlignCenter);
        auto* lay = new QVBoxLayout(box);
        lay->setContentsMargins(8, 4, 8, 4);
        lay->addWidget(score);
        box->setMinimumWidth(140);
        PLabel[static_cast<std::size_t>(p)] = box;
        PScoreLabel[static_cast<std::size_t>(p)] = score;
        top->addWidget(box, 1);
    }
    top->addStretch(0);
    QuitBtn = new QPushButton(FromUtf8("Quit"), this);
    QuitBtn->setObjectName(FromUtf8("QuitBtn"));
    QuitBtn->setFocusPolicy(Qt::TabFocus);
    connect(QuitBtn, &QPushButton::clicked, this, [this] { QuitBtnClick(); });
    top->addWidget(QuitBtn, 0, Qt::AlignBottom);
    return top;
}

QHBoxLayout* TGameForm::MakeBoard()
{
    // The board: six category boxes, each a caption over a blue panel of six buttons.
    auto* board = new QHBoxLayout;
    board->setSpacing(6);
    const TBoardColours& colours = BoardColours;
    const QString buttonStyle =
        FromUtf8("QPushButton { background: %1; color: %2; border: 1px solid %3; border-radius: 3px; }"
                 "QPushButton:hover:enabled { background: %4; }"
                 "QPushButton:focus { border: 3px solid %5; }"
                 "QPushButton:disabled { color: %6; }")
            .arg(Css(colours.Button), Css(colours.Value), Css(colours.ButtonEdge), Css(colours.ButtonHover),
                 Css(colours.Focus), Css(colours.ValueDisabled));
    for (int col = 1; col <= GameColumns; ++col) {
        auto* cat = new QWidget(this);
        cat->setObjectName(FromUtf8("Cat%1").arg(col));
        auto* caption = new QLabel(FromUtf8("x"), cat);
        caption->setObjectName(FromUtf8("Cat%1Caption").arg(col));
        caption->setAlignment(Qt::AlignCenter);
        caption->setWordWrap(true);
        caption->setStyleSheet(FromUtf8("QLabel { background: %1; color: %2; border-radius: 3px; padding: 2px; }")
                                   .arg(Css(colours.Panel), Css(colours.Caption)));
        auto* panel = new QFrame(cat);
        panel->setObjectName(FromUtf8("Panel%1").arg(col));
        panel->setStyleSheet(
            FromUtf8("QFrame#Panel%1 { background: %2; border-radius: 4px; }").arg(col).arg(Css(colours.Panel)));
        auto* panelLay = new QVBoxLayout(panel);
        panelLay->setContentsMargins(5, 5, 5, 5);
        panelLay->setSpacing(5);
        for (int row = 1; row <= GameRows; ++row) {
            auto* b = new QPushButton(panel);
            b->setObjectName(FromUtf8("B%1%2").arg(col).arg(row));
            b->setStyleSheet(buttonStyle);
            b->setEnabled(false);
            b->setMinimumSize(40, 22);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            b->setFocusPolicy(Qt::StrongFocus);
            b->installEventFilter(this);
            const int cell = CellOf(col, row);
            connect(b, &QPushButton::clicked, this, [this, cell] { B11Click(cell); });
            panelLay->addWidget(b, 1);
            m_buttons[static_cast<std::size_t>(cell - 1)] = b;
        }
        auto* catLay = new QVBoxLayout(cat);
        catLay->setContentsMargins(0, 0, 0, 0);
        catLay->setSpacing(4);
        catLay->addWidget(caption);
        catLay->addWidget(panel, 1);
        KeepSpaceWhenHidden(cat);
        Cat[static_cast<std::size_t>(col - 1)] = cat;
        CatCaption[static_cast<std::size_t>(col - 1)] = caption;
        Panel[static_cast<std::size_t>(col - 1)] = panel;
        board->addWidget(cat, 1);
    }
    return board;
}

TGameForm::~TGameForm()
{
    // The board goes before its logic's host: the logic must not report to a half-freed window.
    m_logic.reset();
}

TGameQuestionAsker* TGameForm::Asker() const { return m_asker.data(); }
TWagerForm* TGameForm::Wager() const { return m_wager.data(); }

int TGameForm::FocusedCell() const
{
    // The button the board's focus rests on, also while another window is active.
    const QWidget* f = focusWidget();
    for (int c = 1; c <= GameCells; ++c)
        if (Button(c) == f && Button(c)->isEnabled())
            return c;
    return 0;
}

void TGameForm::SetPlayers(const QString& name1, const QString& name2, const QString& name3)
{
    m_logic->SetPlayers(NameBytes(name1), NameBytes(name2), NameBytes(name3));
}

int TGameForm::StartNextRound() { return m_logic->StartNextRound(); }

void TGameForm::B11Click(int cell)
{
    m_lastCell = cell;
    Guarded([&] { m_logic->Pick(cell); }, m_context.Study.Messages);
}

void TGameForm::UM_GAMERIGHT()
{
    m_questionOut = false;
    ScoreAndAnnounce(true);
    QTimer::singleShot(0, this, [this] { FocusBoard(); });
}

void TGameForm::UM_GAMEWRONG()
{
    m_questionOut = false;
    ScoreAndAnnounce(false);
    QTimer::singleShot(0, this, [this] { FocusBoard(); });
}

void TGameForm::UM_WAGER(int amount) { m_logic->WagerChosen(amount); }

void TGameForm::ViewChanged()
{
    const TGameView& v = m_logic->View();
    const QString caption = FromWin1252(v.Caption);
    setWindowTitle(caption);
    // The frame keeps an old title when the board's goes empty (while the board scatters).
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->setWindowTitle(caption);
    TurnLabel->setText(caption.isEmpty() ? FromUtf8(" ") : caption);
    QuitBtn->setText(FromWin1252(v.QuitCaption));
    for (int p = 0; p < GameMaxPlayers; ++p) {
        const auto i = static_cast<std::size_t>(p);
        PLabel[i]->setTitle(FromWin1252(v.PlayerNames[i]));
        PLabel[i]->setVisible(v.PlayerVisible[i]);
        PScoreLabel[i]->setText(FromWin1252(v.Scores[i]));
        const bool current = m_logic->Players() > 1 && m_logic->CurrentPlayer() == p + 1 && !m_logic->GameOver();
        // The player whose turn it is has a bright frame.
        PLabel[i]->setStyleSheet(FromUtf8("QGroupBox { border: 3px solid %1; border-radius: 4px; margin-top: 1.2em; }"
                                          "QGroupBox::title { subcontrol-origin: margin; left: 8px; }")
                                     .arg(FromUtf8(current ? "#FFB000" : "#C8CCD8")));
    }
    for (int col = 0; col < GameColumns; ++col) {
        const auto i = static_cast<std::size_t>(col);
        CatCaption[i]->setText(FromWin1252(v.ColumnCaptions[i]).replace(FromUtf8("&&"), FromUtf8("&")));
        Cat[i]->setVisible(v.ColumnVisible[i]);
    }
    bool playable = false;
    for (int c = 0; c < GameCells; ++c) {
        const auto i = static_cast<std::size_t>(c);
        QPushButton* b = m_buttons[i];
        b->setText(v.ButtonUsed[i] ? QString() : FromWin1252(v.ButtonTexts[i]).trimmed());
        b->setEnabled(v.ButtonEnabled[i]);
        b->setAccessibleName(FromWin1252(CellSpeech(v, c + 1)));
        playable = playable || v.ButtonEnabled[i];
    }
    for (const std::string& text : m_announcements.Next(v, m_logic->GameOver()))
        if (m_heldAnnouncements)
            m_heldAnnouncements->push_back(text);
        else
            Announce(text);
    setEnabled(v.Enabled);
    if (playable && v.Enabled && FocusedCell() == 0
        && (!m_asker || m_asker->isMinimized() || !m_asker->isVisible()
            || (m_asker->parentWidget() && m_asker->parentWidget()->isMinimized())))
        FocusBoard();
    if (m_logic->GameOver())
        QuitBtn->setFocus();
}

void TGameForm::ScoreAndAnnounce(bool right)
{
    // The grade is heard first, then what the board says of the next turn.
    m_heldAnnouncements.emplace();
    try {
        m_logic->ScoreAnswer(right);
    } catch (...) {
        m_heldAnnouncements.reset();
        throw;
    }
    std::vector<std::string> held = std::move(*m_heldAnnouncements);
    m_heldAnnouncements.reset();
    Announce(GradeSpeech(right, m_logic->View()));
    for (const std::string& text : held)
        Announce(text);
}

void TGameForm::Announce(const std::string& text)
{
    if (m_context.Study.Announcer)
        m_context.Study.Announcer->Announce(FromWin1252(text));
}

void TGameForm::Warning(const std::string& text)
{
    if (m_context.Study.Messages)
        m_context.Study.Messages->Warning(FromWin1252(text));
}

void TGameForm::Information(const std::string& text)
{
    if (m_context.Study.Messages)
        m_context.Study.Messages->Information(FromWin1252(text));
}

bool TGameForm::Confirm(const std::string& text)
{
    return m_context.Study.Messages && m_context.Study.Messages->Confirm(FromWin1252(text));
}

void TGameForm::StopSound()
{
    if (m_context.StopSound)
        m_context.StopSound();
}

void TGameForm::OpenWager(int limit)
{
    if (m_asker)
        m_asker->setEnabled(false);
    auto* wager = new TWagerForm([this](int amount) { Guarded([&] { UM_WAGER(amount); }, m_context.Study.Messages); },
                                 [this] {
                                     m_wager = nullptr;
                                     if (m_asker)
                                         m_asker->setEnabled(true);
                                 });
    wager->SetWagerLimit(limit);
    m_wager = wager;
    if (m_context.OpenCentred)
        m_context.OpenCentred(wager, true);
    else
        wager->show();
    WatchActivation();
    if (m_context.PlayWagerSound)
        m_context.PlayWagerSound();
    wager->FocusAmount();
}

void TGameForm::AskQuestion(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell)
{
    if (!m_asker) {
        TStudyContext study = m_context.Study;
        // The game window tells the main window when the game ends, and saves its grades then.
        study.CommandsOn = nullptr;
        study.SaveResults = nullptr;
        auto* asker = new TGameQuestionAsker(study, m_material, [this](bool right) {
            if (right)
                UM_GAMERIGHT();
            else
                UM_GAMEWRONG();
        });
        m_asker = asker;
        if (m_context.OpenCentred)
            m_context.OpenCentred(asker, true);
        else
            asker->show();
    }
    m_questionOut = true;
    m_asker->ShowNextQuestion(question, answer, cell, m_logic->Stake(),
                              m_logic->PendingWager() > 0 ? TGameStake::Wager : TGameStake::CellValue);
    FitQuestionWindow();
    WatchActivation();
}

void TGameForm::WatchActivation()
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (m_watchingActivation || !sub || !sub->mdiArea())
        return;
    m_watchingActivation = true;
    connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* activated) {
        // Queued: the area finishes its own activation first.
        QPointer<QMdiSubWindow> which(activated);
        QTimer::singleShot(0, this, [this, which] { KeepQuestionInFront(which); });
    });
}

void TGameForm::KeepQuestionInFront(QMdiSubWindow* activated)
{
    auto* board = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (m_closed || !board || !activated || activated != board || !board->mdiArea())
        return;
    QWidget* front = m_wager ? static_cast<QWidget*>(m_wager.data())
                             : (m_questionOut && m_asker ? static_cast<QWidget*>(m_asker.data()) : nullptr);
    auto* frontSub = front ? qobject_cast<QMdiSubWindow*>(front->parentWidget()) : nullptr;
    if (!frontSub || frontSub->isHidden())
        return;
    if (frontSub->isMinimized())
        frontSub->showNormal();
    frontSub->raise();
    board->mdiArea()->setActiveSubWindow(frontSub);
}

void TGameForm::FitQuestionWindow()
{
    if (!m_asker)
        return;
    auto* sub = qobject_cast<QMdiSubWindow*>(m_asker->parentWidget());
    QWidget* frame = sub ? static_cast<QWidget*>(sub) : m_asker.data();
    QRect area = frame->parentWidget() ? frame->parentWidget()->rect() : QRect();
    if (!m_askerTimeFont)
        m_askerTimeFont = m_asker->ClockFont();
    if (m_fullScreen) {
        QFont f = m_asker->font();
        f.setPixelSize(static_cast<int>(std::clamp(height() * 0.028, 14.0, 40.0)));
        m_asker->setFont(f);
        QFont time = *m_askerTimeFont;
        time.setPixelSize(f.pixelSize() * 2);
        m_asker->SetClockFont(time);
    } else {
        m_asker->setFont(QFont());
        m_asker->SetClockFont(*m_askerTimeFont);
    }
    if (!sub || sub->isMinimized() || area.isEmpty())
        return;
    QRect r(QPoint(), m_fullScreen ? QSize(area.width() * 3 / 5, area.height() * 3 / 5) : sub->sizeHint());
    r.moveCenter(area.center() - QPoint(0, 23));
    sub->setGeometry(r);
}

void TGameForm::FocusBoard()
{
    if (m_closed || !m_logic->View().Enabled)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
    const auto& enabled = m_logic->View().ButtonEnabled;
    int best = 0;
    int bestCost = std::numeric_limits<int>::max();
    const int c0 = ColumnOfCell(m_lastCell), r0 = RowOfCell(m_lastCell);
    for (int c = 1; c <= GameCells; ++c) {
        if (!enabled[static_cast<std::size_t>(c - 1)])
            continue;
        const int cost = std::abs(ColumnOfCell(c) - c0) + std::abs(RowOfCell(c) - r0);
        if (cost < bestCost) {
            bestCost = cost;
            best = c;
        }
    }
    if (best)
        Button(best)->setFocus();
    else if (m_logic->GameOver())
        QuitBtn->setFocus();
    else
        setFocus();
}

void TGameForm::MoveFocus(int dColumn, int dRow)
{
    const int from = FocusedCell() ? FocusedCell() : m_lastCell;
    const int c0 = ColumnOfCell(from), r0 = RowOfCell(from);
    const auto& enabled = m_logic->View().ButtonEnabled;
    int best = 0;
    int bestCost = std::numeric_limits<int>::max();
    for (int c = 1; c <= GameCells; ++c) {
        if (!enabled[static_cast<std::size_t>(c - 1)])
            continue;
        const int dc = ColumnOfCell(c) - c0, dr = RowOfCell(c) - r0;
        // Only cells ahead in the direction; the same line first, then the nearest.
        const int ahead = dColumn != 0 ? dc * dColumn : dr * dRow;
        const int aside = dColumn != 0 ? std::abs(dr) : std::abs(dc);
        if (ahead <= 0)
            continue;
        const int cost = aside * 10 + ahead;
        if (cost < bestCost) {
            bestCost = cost;
            best = c;
        }
    }
    if (best) {
        m_lastCell = best;
        Button(best)->setFocus();
    }
}

bool TGameForm::HandleKey(QKeyEvent* event)
{
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_F11:
        ToggleFullScreen();
        return true;
    case Qt::Key_Escape:
        if (!m_fullScreen)
            return false;
        LeaveFullScreen();
        return true;
    case Qt::Key_Left:
        MoveFocus(-1, 0);
        return true;
    case Qt::Key_Right:
        MoveFocus(1, 0);
        return true;
    case Qt::Key_Up:
        MoveFocus(0, -1);
        return true;
    case Qt::Key_Down:
        MoveFocus(0, 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (const int cell = FocusedCell()) {
            B11Click(cell);
            return true;
        }
        // Game over: Enter presses Done.
        if (QuitBtn->hasFocus() || m_logic->GameOver()) {
            QuitBtn->click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TGameForm::keyPressEvent(QKeyEvent* event)
{
    if (HandleKey(event))
        return;
    QWidget::keyPressEvent(event);
}

bool TGameForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (m_fullScreen && event->type() == QEvent::Resize) {
        auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (sub && sub->mdiArea() && watched == sub->mdiArea()->viewport())
            sub->setGeometry(sub->mdiArea()->viewport()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void TGameForm::ToggleFullScreen()
{
    if (m_fullScreen) {
        LeaveFullScreen();
        return;
    }
    m_fullScreen = true;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || !sub->mdiArea()) {
        m_normalGeometry = geometry();
        showFullScreen();
        FitQuestionWindow();
        return;
    }
    QWidget* top = window();
    m_mainWasFullScreen = top->isFullScreen();
    m_mainWasMaximised = top->isMaximized();
    m_normalGeometry = sub->geometry();
    if (auto* main = qobject_cast<QMainWindow*>(top)) {
        main->menuBar()->hide();
        for (QToolBar* bar : main->findChildren<QToolBar*>())
            bar->hide();
    }
    m_mainGeometry = top->geometry();
    if (!m_mainWasFullScreen) {
        top->showFullScreen();
        // Without a window manager that honours full screen, take the screen ourselves.
        QPointer<QWidget> main(top);
        QTimer::singleShot(300, this, [this, main] {
            if (m_fullScreen && main && main->screen() && main->geometry() != main->screen()->geometry())
                main->setGeometry(main->screen()->geometry());
        });
    }
    QWidget* viewport = sub->mdiArea()->viewport();
    viewport->installEventFilter(this);
    sub->setGeometry(viewport->rect());
    sub->raise();
    FitQuestionWindow();
}

void TGameForm::LeaveFullScreen()
{
    if (!m_fullScreen)
        return;
    m_fullScreen = false;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || !sub->mdiArea()) {
        showNormal();
        setGeometry(m_normalGeometry);
        FitQuestionWindow();
        return;
    }
    sub->mdiArea()->viewport()->removeEventFilter(this);
    QWidget* top = window();
    if (auto* main = qobject_cast<QMainWindow*>(top)) {
        main->menuBar()->show();
        for (QToolBar* bar : main->findChildren<QToolBar*>())
            bar->show();
    }
    if (!m_mainWasFullScreen) {
        if (m_mainWasMaximised) {
            top->showMaximized();
        } else {
            top->showNormal();
            top->setGeometry(m_mainGeometry);
        }
    }
    sub->setGeometry(m_normalGeometry);
    FitQuestionWindow();
}

void TGameForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Rescale();
}

// Fonts follow the board: values fill about half a button's height, captions two lines.
void TGameForm::Rescale()
{
    const int w = std::max(width(), 300);
    const int h = std::max(height(), 240);
    const double colW = w / 6.0;
    const double rowH = h * 0.62 / 6.0;
    const int valuePx = static_cast<int>(std::clamp(std::min(rowH * 0.5, colW * 0.24), 12.0, 160.0));
    const int captionPx = static_cast<int>(std::clamp(std::min(h * 0.028, colW * 0.11), 11.0, 56.0));
    const int scorePx = static_cast<int>(std::clamp(h * 0.045, 16.0, 90.0));
    const int namePx = static_cast<int>(std::clamp(h * 0.024, 11.0, 44.0));
    const int turnPx = static_cast<int>(std::clamp(h * 0.032, 12.0, 60.0));
    for (QPushButton* b : m_buttons)
        SetPixelFont(b, valuePx, true);
    for (QLabel* c : CatCaption) {
        SetPixelFont(c, captionPx, true);
        c->setFixedHeight(QFontMetrics(c->font()).lineSpacing() * 2 + 8);
    }
    for (int p = 0; p < GameMaxPlayers; ++p) {
        SetPixelFont(PScoreLabel[static_cast<std::size_t>(p)], scorePx, true);
        SetPixelFont(PLabel[static_cast<std::size_t>(p)], namePx, true);
    }
    SetPixelFont(TurnLabel, turnPx, true);
    SetPixelFont(QuitBtn, std::clamp(namePx, 11, 28), false);
}

void TGameForm::closeEvent(QCloseEvent* event)
{
    // A quit question that fails lets the game go rather than hold it open for good.
    bool mayClose = true;
    if (!m_closed && !ExitAgreed(*this))
        Guarded([&] { mayClose = m_logic->QueryClose(); }, m_context.Study.Messages);
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_closed = true;
    LeaveFullScreen();
    // The wager and question windows end with the game: hidden now and freed once control is
    // back in the event loop, since whoever closes the game (the main window at exit) may
    // still hold them in a list of its own. They get no close request (no quit question).
    auto dispose = [](QWidget* w) {
        if (!w)
            return;
        QWidget* frame = w;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            frame = sub;
        frame->setEnabled(false);
        frame->hide();
        frame->deleteLater();
    };
    dispose(m_wager.data());
    dispose(m_asker.data());
    event->accept();
    // The grades of the game reach the disk now, not only when the program ends.
    if (m_context.Study.SaveResults)
        m_context.Study.SaveResults();
    if (m_context.Study.CommandsOn)
        m_context.Study.CommandsOn();
    StopSound();
}

} // namespace sv
