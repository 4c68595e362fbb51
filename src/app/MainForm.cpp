#include "app/MainForm.h"

#include "app/Artwork.h"
#include "app/HelpForm.h"
#include "app/SplashScreen.h"
#include "app/StartupForm.h"
#include "app/TipOfDayForm.h"
#include "common/Errors.h"
#include "common/Random.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "goals/Tasks.h"
#include "program/ContentPlaces.h"
#include "program/UserNames.h"
#include "shell/ErrorBoundary.h"
#include "shell/ExitAgreement.h"
#include "shell/StatusAnnouncer.h"
#include "user/StudyDate.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"
#include "voice/gui/CharacterWindow.h"
#include "widgets/Mnemonics.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace sv {

namespace {
const char* const kWebsite = "https://scrivolt.example.org/";
} // namespace

TMainForm::TMainForm(const TPlatformServices& services, const std::string& programDir, QWidget* parent)
    : TMainForm(services,
                TProgramPaths{programDir, programDir, programDir + "Users/",
                              QString::fromStdString(programDir + "settings.ini"), TDataLayout::ProgramFolder},
                parent)
{ }

TMainForm::TMainForm(const TPlatformServices& services, TProgramPaths paths, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_paths(std::move(paths)), m_settings(m_paths.SettingsFile)
{
    setWindowTitle(QStringLiteral("The Scrivolt"));
    m_settings.Load();
    CreateObjects();

    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(QColor(0x80, 0x80, 0x80));
    // A child larger than a small main window is scrolled to, never cut off.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    CreateActions();
    CreateMenusAndToolbar();
    AddMissingMnemonics(menuBar());

    auto* panel1 = new QLabel(this);
    panel1->setFixedWidth(80);
    auto* panel2 = new QLabel(this);
    panel2->setFixedWidth(50);
    statusBar()->addWidget(panel1);
    statusBar()->addWidget(panel2);
    MakeAnnouncer();

    setMinimumSize(560, 508);
    if (m_settings.MainWindowGeometry.isEmpty() || !restoreGeometry(m_settings.MainWindowGeometry))
        PlaceFirstTime();

    // F1 and the help button in a window's title bar open that window's help page.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] { ShowHelp(ActiveHelpContext()); });
    qApp->installEventFilter(this);
    // The desktop session ends: what was studied is written before the program is stopped.
    connect(
        qApp, &QGuiApplication::commitDataRequest, this, [this] { SaveForLogOut(); }, Qt::DirectConnection);

    WaitToSplash = new QTimer(this);
    WaitToSplash->setObjectName(QStringLiteral("waitToSplash"));
    WaitToSplash->setInterval(1);
    connect(WaitToSplash, &QTimer::timeout, this, &TMainForm::WaitToSplashTimer);
    WaitToSplash->start();
    SetShell(this);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    // Children first: they may still refer to the program-wide objects. A child may free
    // others as it goes.
    for (const QPointer<QMdiSubWindow>& w : ChildList())
        delete w.data();
    delete m_help;
    if (m_sounds)
        m_sounds->SetAssistant(nullptr);
    m_assistant.reset();
    m_questions.reset();
    m_books.reset();
    m_words.reset();
    m_sounds.reset();
    m_user.reset();
    if (Shell() == this)
        SetShell(nullptr);
}

void TMainForm::CreateObjects()
{
    m_user = std::make_unique<TUser>();
    m_words = std::make_unique<TWords>();
    m_books = std::make_unique<TBooks>(*m_words);
    m_questions = std::make_unique<TQuestions>(*m_words, *m_books);
    m_tasks = std::make_unique<TTasks>();
    LoadFirstPortion();
    // The engines start after the first paint (StartEngines): the window comes first.
    m_sounds =
        std::make_unique<TSounds>(m_paths.ProgramDir + "Sounds/", m_services.Speech, m_services.Sound,
                                  m_paths.ProgramDir + "personality.txt", *m_services.Random, TEngineStart::Later);
    m_sounds->OnEngineStarted = [this](bool speech) {
        // The speech commands become available once the engine is there.
        if (m_commandsOn && !m_startCommandsHeld)
            EnableIfOpener(CmdSpeech, speech);
        if (m_commandsOn)
            CmdViewScrivolt->setEnabled(speech);
    };
    // The assistant's character stands on its own window at the main window's top edge; its
    // spoken remarks join the program's speech queue.
    auto* stage = new TCharacterWindow(this, [this](const std::string& text) { return m_sounds->SpeakAloud(text); });
    m_assistant =
        std::make_unique<TAssistant>(m_paths.ProgramDir + "Characters/", stage, [this] { return frameGeometry(); });
    m_sounds->SetAssistant(m_assistant.get());
    m_sounds->SetUseAssistantQuery([this] { return m_user->Options.UseAssistant != 0; });
    m_user->Reset(m_questions->UsesSituation(), m_assistant->AssistantAvailable());
    m_updateShown = false;
}

bool TMainForm::ReloadContent()
{
    // What the person studied so far is written against the questions loaded now.
    if (m_user->IsChosen() && !SaveStudyResults())
        return false;
    return Guarded(
        [&] {
            const std::string dir = ContentDirToLoad(m_paths, ContentPlaces());
            {
                TWords words;
                words.LoadFromFile(dir + "wf.wl");
                TBooks books(words);
                books.LoadFromFile(dir + "wf.bk");
                TQuestions questions(words, books);
                questions.LoadFromFile(dir + "wf.qs");
            }
            std::optional<TPersonFiles> person;
            if (m_user->IsChosen()) {
                const std::string fileName = m_user->FileName.text();
                person = PersonFilesOf(UserFilePath(m_paths.PersonDir, fileName), m_paths.PersonDir, fileName);
                // A person without a table wrote their results against the questions loaded now.
                if (m_portionKeys.Keys && !QFileInfo::exists(QString::fromStdString(person->KeysFile)))
                    m_portionKeys.Keys->SaveToFile(person->KeysFile);
            }
            for (const QPointer<QMdiSubWindow>& w : ChildList())
                delete w.data();
            // In place: the objects keep their addresses, so whatever refers to them stays valid.
            LoadPortion(m_portion);
            if (!person)
                return;
            if (!m_portionKeys.Keys) {
                if (!m_portionKeys.Problem.empty())
                    Messages().Warning(FromWin1252(m_portionKeys.Problem));
                return;
            }
            const QDate today = m_services.Clock ? m_services.Clock->Now().date() : QDate::currentDate();
            const TCarryReport report = FollowQuestions(*m_portionKeys.Keys, *person, *m_user,
                                                        today.toString(QStringLiteral("yyyy-MM-dd")).toStdString());
            if (!report.Message().empty())
                Messages().Information(QString::fromStdString(report.Message()));
        },
        &Messages());
}

void TMainForm::CreateActions()
{
    auto make = [this](QAction*& a, const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key, bool enabled, const QIcon& icon = QIcon()) {
        a = new QAction(icon, caption, this);
        a->setObjectName(QString::fromLatin1(name));
        const qsizetype bar = hint.indexOf(QLatin1Char('|'));
        a->setToolTip(bar < 0 ? hint : hint.left(bar));
        a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
        if (!key.isEmpty())
            a->setShortcut(key);
        a->setEnabled(enabled);
    };
    make(CmdStart, "CmdStart", QStringLiteral("&New User..."), QStringLiteral("Start here by retrieving user data"),
         QKeySequence(QStringLiteral("Ctrl+N")), false, ToolIcon(TToolIcon::NewUser));
    make(CmdQuestions, "CmdQuestions", QStringLiteral("Questions..."), QStringLiteral("Study questions"),
         QKeySequence(QStringLiteral("Ctrl+Q")), false, ToolIcon(TToolIcon::Questions));
    make(CmdMemory, "CmdMemory", QStringLiteral("Memory verses..."), QStringLiteral("Study memory verses"),
         QKeySequence(QStringLiteral("Ctrl+M")), false, ToolIcon(TToolIcon::Memory));
    make(CmdReferenceWork, "CmdReferenceWork", QStringLiteral("Reference work..."),
         QStringLiteral("Study reference questions"), QKeySequence(QStringLiteral("Ctrl+R")), false,
         ToolIcon(TToolIcon::Reference));
    make(CmdWordStudy, "CmdWordStudy", QStringLiteral("Word study"), QStringLiteral("Word Study and Concordance"),
         QKeySequence(QStringLiteral("Ctrl+W")), true, ToolIcon(TToolIcon::WordStudy));
    make(CmdGame, "CmdGame", QStringLiteral("One-Way &Game..."), QStringLiteral("Play the One-Way Game"),
         QKeySequence(QStringLiteral("Ctrl+G")), false, ToolIcon(TToolIcon::Game));
    CmdGame->setIconText(QStringLiteral("One-Way game"));
    make(CmdWallOfFame, "CmdWallOfFame", QStringLiteral("Wall of fame"),
         QStringLiteral("High scores from the One-Way Game"), {}, false);
    make(CmdProgress, "CmdProgress", QStringLiteral("View progress"), QStringLiteral("Check on your study progress"),
         QKeySequence(QStringLiteral("Ctrl+P")), false, ToolIcon(TToolIcon::Progress));
    make(CmdTeamProgress, "CmdTeamProgress", QStringLiteral("&Team progress"),
         QStringLiteral("Every person's progress, chapter by chapter"), {}, false);
    make(CmdImportPerson, "CmdImportPerson", QStringLiteral("&Import person..."),
         QStringLiteral("Bring a person's files from elsewhere"), {}, false);
    make(CmdExportPerson, "CmdExportPerson", QStringLiteral("&Export person..."),
         QStringLiteral("Write a person's files to a folder or a zip archive"), {}, false);
    make(CmdQuestionSets, "CmdQuestionSets", QStringLiteral("Question sets..."),
         QStringLiteral("Create sets of questions to be printed"), {}, false, ToolIcon(TToolIcon::Sets));
    make(CmdQuestionLists, "CmdQuestionLists", QStringLiteral("Lists of questions..."),
         QStringLiteral("Create lists of questions to be printed"), {}, false, ToolIcon(TToolIcon::Lists));
    make(CmdMemoryList, "CmdMemoryList", QStringLiteral("Memory verse list..."),
         QStringLiteral("Create list of memory verses to be printed"), {}, false);
    make(CmdScripturePortion, "CmdScripturePortion", QStringLiteral("Scripture portion..."),
         QStringLiteral("Print Biblical text highlighting keywords"), {}, true);
    make(CmdConcordance, "CmdConcordance", QStringLiteral("&Concordance..."),
         QStringLiteral("Create a printable concordance"), {}, false);
    make(CmdSpeech, "CmdSpeech", QStringLiteral("Speech settings..."), QStringLiteral("Configure speech synthesis"), {},
         false);
    make(CmdAssistant, "CmdAssistant", QStringLiteral("Assistant"),
         QStringLiteral("Toggle use of Scrivolt's Assistant"), {}, false, ToolIcon(TToolIcon::Assistant));
    CmdAssistant->setCheckable(true);
    make(CmdGoalCoach, "CmdGoalCoach", QStringLiteral("Toggle &coach mode"), QStringLiteral("Toggle use of coach mode"),
         {}, false);
    CmdGoalCoach->setCheckable(true);
    make(CmdGoalCreateTasks, "CmdGoalCreateTasks", QStringLiteral("&Create or edit task list"),
         QStringLiteral("Make and edit tasks"), {}, true);
    make(CmdGoalView, "CmdGoalView", QStringLiteral("&View or print goal progress"),
         QStringLiteral("View and print goal progress"), {}, true);
    make(CmdGoals, "CmdGoals", QStringLiteral("Set/Modify Study &Goals"),
         QStringLiteral("Set/Modify your study goals for the year"), {}, true);
    make(CmdEdit, "CmdEdit", QStringLiteral("Edit/modify questions..."),
         QStringLiteral("Edit or modify questions in collections"), QKeySequence(QStringLiteral("Ctrl+E")), false);
    make(CmdUpgrade, "CmdUpgrade", QStringLiteral("Update software from the web..."),
         QStringLiteral("Upgrade The Scrivolt for free from the web"), {}, false);
    make(CmdViewScrivolt, "CmdViewScrivolt", QStringLiteral("&See Scrivolt speak"),
         QStringLiteral("See the Scrivolt speak"), {}, false);
    make(CmdUseLips, "CmdUseLips", QStringLiteral("CmdUseLips"), QStringLiteral("Use lips to read questions"), {},
         true);
    CmdUseLips->setCheckable(true);
    make(CmdTipOfTheDay, "CmdTipOfTheDay", QStringLiteral("Tip of the Day"), QStringLiteral("A daily tip"), {}, true);
    make(CmdHelpContent, "CmdHelpContent", QStringLiteral("Help contents"), QStringLiteral("Get some help"),
         QKeySequence(QStringLiteral("Ctrl+H")), true, ToolIcon(TToolIcon::Help));
    // The context-help command has no handler; giving it the same Ctrl+H as the help contents
    // would make the shortcut ambiguous, so it has none.
    make(CmdHelpContext, "CmdHelpContext", QStringLiteral("Context help"),
         QStringLiteral("Activate context-sensitive help"), {}, true);
    make(CmdTechSupport, "CmdTechSupport", QStringLiteral("Technical support"), QStringLiteral("Get technical support"),
         {}, true);
    make(CmdWebsite, "CmdWebsite", QStringLiteral("The Scrivolt on the &Web"),
         QStringLiteral("Visit the Scrivolt web site"), {}, true);
    make(CmdCatalog, "CmdCatalog", QStringLiteral("View product catalog"),
         QStringLiteral("View catalog of all products"), {}, true);
    make(CmdAbout, "CmdAbout", QStringLiteral("About The Scrivolt"), QStringLiteral("About The Scrivolt"), {}, true);
    make(Cascade1, "Cascade1", QStringLiteral("&Cascade"), {}, {}, true);
    make(TileHorizontally1, "TileHorizontally1", QStringLiteral("Tile &Horizontally"), {}, {}, true);
    make(TileVertically1, "TileVertically1", QStringLiteral("&Tile Vertically"), {}, {}, true);
    make(Arrange1, "Arrange1", QStringLiteral("&Arrange"), {}, {}, true);
    make(Close1, "Close1", QStringLiteral("C&lose"), {}, {}, true);
    make(MinimizeAll1, "MinimizeAll1", QStringLiteral("&Minimize All"), {}, {}, true);
    make(Exit1, "Exit1", QStringLiteral("E&xit"), QStringLiteral("Exit|Quits the application"), {}, true);
    make(ViewCatalog1, "ViewCatalog1", QStringLiteral("View product catalog"),
         QStringLiteral("View catalog of all products"), {}, true);

    // The commands that read files or open windows run through the error boundary.
    auto guarded = [this](void (TMainForm::*command)()) {
        return [this, command] { Guarded([&] { (this->*command)(); }, m_services.Messages); };
    };
    connect(CmdStart, &QAction::triggered, this, guarded(&TMainForm::CmdStartExecute));
    // The game's theme plays before its set-up window opens (the opener is connected later).
    connect(CmdGame, &QAction::triggered, this, [this] { m_sounds->PlayGameSound(); });
    connect(CmdAssistant, &QAction::triggered, this, guarded(&TMainForm::CmdAssistantExecute));
    connect(CmdGoalCoach, &QAction::triggered, this, &TMainForm::CmdGoalCoachExecute);
    connect(CmdTipOfTheDay, &QAction::triggered, this, guarded(&TMainForm::CmdTipOfTheDayExecute));
    connect(CmdAbout, &QAction::triggered, this, &TMainForm::CmdAboutExecute);
    connect(CmdHelpContent, &QAction::triggered, this, [this] { ShowHelp(0); });
    connect(CmdTechSupport, &QAction::triggered, this, [this] { ShowHelp(500); });
    connect(CmdWebsite, &QAction::triggered, this,
            [this] { m_services.Shell->OpenUrl(QString::fromLatin1(kWebsite)); });
    connect(ViewCatalog1, &QAction::triggered, this, &TMainForm::OpenCatalog);
    connect(Cascade1, &QAction::triggered, this, [this] { m_mdi->cascadeSubWindows(); });
    connect(TileHorizontally1, &QAction::triggered, this, [this] { Tile(true); });
    connect(TileVertically1, &QAction::triggered, this, [this] { Tile(false); });
    connect(Arrange1, &QAction::triggered, this, [this] { m_mdi->tileSubWindows(); });
    connect(Close1, &QAction::triggered, this, [this] { m_mdi->closeActiveSubWindow(); });
    connect(MinimizeAll1, &QAction::triggered, this, [this] {
        for (QMdiSubWindow* w : m_mdi->subWindowList())
            w->showMinimized();
    });
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    // Commands whose windows are not part of the program yet stay disabled until a window
    // registers its opener.
    for (QAction* a : {CmdWordStudy, CmdScripturePortion, CmdGoalCreateTasks})
        a->setEnabled(false);
}

void TMainForm::CreateMenusAndToolbar()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(CmdStart);
    CreatePortionCommand(file);
    file->addAction(CmdImportPerson);
    file->addAction(CmdExportPerson);
    file->addSeparator();
    file->addAction(CmdUpgrade);
    file->addSeparator();
    file->addAction(Exit1);

    QMenu* study = bar->addMenu(QStringLiteral("&Study"));
    study->addAction(CmdQuestions);
    study->addAction(CmdMemory);
    study->addAction(CmdReferenceWork);
    study->addAction(CmdWordStudy);
    study->addSeparator();
    study->addAction(CmdProgress);
    study->addAction(CmdTeamProgress);

    QMenu* goals = bar->addMenu(QStringLiteral("&Goals"));
    goals->addAction(CmdGoalCreateTasks);
    // Viewing goal progress and coach mode have nothing to show yet: they are left out of the
    // menu rather than offered as commands that do nothing visible.
    goals->addAction(CmdGoalView);
    goals->addAction(CmdGoalCoach);
    CmdGoalView->setVisible(false);
    CmdGoalCoach->setVisible(false);

    QMenu* print = bar->addMenu(QStringLiteral("&Print"));
    print->addAction(CmdQuestionSets);
    print->addAction(CmdQuestionLists);
    print->addSeparator();
    print->addAction(CmdMemoryList);
    print->addAction(CmdScripturePortion);
    CmdScripturePortion->setVisible(false);
    print->addSeparator()->setVisible(false);
    for (const QString& name :
         {QStringLiteral("2-team scoresheet"), QStringLiteral("3-team scoresheet"), QStringLiteral("Lineup form")}) {
        // Printable forms: hidden, and never made visible.
        QAction* form = print->addAction(name);
        form->setVisible(false);
    }
    print->addAction(CmdConcordance);
    CmdConcordance->setVisible(false);

    QMenu* fun = bar->addMenu(QStringLiteral("F&un"));
    fun->addAction(CmdGame);
    fun->addAction(CmdWallOfFame);
    fun->addSeparator();
    fun->addAction(CmdSpeech);
    fun->addSeparator()->setVisible(false);
    fun->addAction(CmdViewScrivolt);
    CmdViewScrivolt->setVisible(false);

    QMenu* window = bar->addMenu(QStringLiteral("&Window"));
    window->addAction(Cascade1);
    window->addAction(TileHorizontally1);
    window->addAction(TileVertically1);

    QMenu* testing = bar->addMenu(QStringLiteral("Testing"));
    testing->addAction(CmdGoals);
    testing->addAction(CmdEdit);
    testing->menuAction()->setVisible(false);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(CmdHelpContent);
    help->addAction(CmdTipOfTheDay);
    help->addSeparator();
    help->addAction(CmdTechSupport);
    help->addAction(ViewCatalog1);
    // The catalog is offered only where its file was installed beside the program.
    const bool catalog =
        !m_paths.ProgramDir.empty() && QFileInfo::exists(QString::fromStdString(m_paths.ProgramDir + "Catalog.pdf"));
    ViewCatalog1->setVisible(catalog);
    CmdCatalog->setVisible(catalog);
    help->addAction(CmdWebsite);
    help->addSeparator();
    help->addAction(CmdAbout);

    QToolBar* tools = addToolBar(QStringLiteral("Commands"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));
    tools->addAction(CmdStart);
    tools->addSeparator();
    for (QAction* a : {CmdQuestions, CmdMemory, CmdReferenceWork, CmdWordStudy, CmdProgress})
        tools->addAction(a);
    tools->addSeparator();
    tools->addAction(CmdQuestionSets);
    tools->addAction(CmdQuestionLists);
    tools->addSeparator();
    tools->addAction(CmdGame);
    tools->addAction(CmdAssistant);
    tools->addSeparator();
    tools->addAction(CmdHelpContent);
}

void TMainForm::SetOpener(QAction* command, std::function<void()> opener)
{
    const bool first = m_openers.find(command) == m_openers.end();
    m_openers[command] = std::move(opener);
    if (first)
        connect(command, &QAction::triggered, this, [this, command] {
            auto it = m_openers.find(command);
            if (it != m_openers.end() && it->second)
                RunOpener(it->second);
        });
    // Commands enabled at start become available once their window exists.
    if (command == CmdWordStudy || command == CmdScripturePortion || command == CmdGoalCreateTasks)
        command->setEnabled(true);
}

void TMainForm::RunOpener(const std::function<void()>& opener)
{
    // A window that fails while it opens is reported; when it had already held the start
    // commands for itself, they are given back, since no window is left to release them.
    const bool held = m_startCommandsHeld;
    if (!Guarded(opener, m_services.Messages) && m_startCommandsHeld && !held && m_commandsOn)
        EnableCommands();
}

bool TMainForm::HasOpener(const QAction* command) const { return m_openers.find(command) != m_openers.end(); }

void TMainForm::EnableIfOpener(QAction* command, bool enabled) { command->setEnabled(enabled && HasOpener(command)); }

QMdiSubWindow* TMainForm::OpenChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags)
{
    widget->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_mdi->addSubWindow(widget, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window that closes itself takes its frame along (queued: a frame that is being
    // freed itself drops the call).
    connect(widget, &QObject::destroyed, sub, &QMdiSubWindow::close, Qt::QueuedConnection);
    sub->adjustSize();
    // A child never resizes the main window: it is fitted into the client area as far as its
    // contents allow, and the area scrolls to what is still larger.
    const QSize client = m_mdi->viewport()->size();
    QSize own = sub->size();
    if (!client.isEmpty()) {
        own = own.boundedTo(client).expandedTo(sub->minimumSizeHint()).expandedTo(sub->minimumSize());
        sub->resize(own);
    }
    const QPoint at = placement == TPlacement::Centred
                          ? QPoint((client.width() - own.width()) / 2, (client.height() - own.height()) / 2)
                          : CascadePosition(sub, own, client);
    sub->move(std::max(0, at.x()), std::max(0, at.y()));
    sub->show();
    return sub;
}

namespace {
const char* const kPersonWindow = "personWindow";
} // namespace

QMdiSubWindow* TMainForm::OpenPersonChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags)
{
    widget->setProperty(kPersonWindow, true);
    return OpenChild(widget, placement, flags);
}

void TMainForm::ClosePersonChildren()
{
    for (const QPointer<QMdiSubWindow>& w : ChildList())
        if (w && w->widget() && w->widget()->property(kPersonWindow).toBool())
            w->close();
}

void TMainForm::MakeAnnouncer()
{
    if (m_services.Announcer)
        return;
    auto* line = new QLabel(this);
    line->setObjectName(QStringLiteral("Announcements"));
    statusBar()->addWidget(line, 1);
    m_announcer = std::make_unique<TStatusAnnouncer>(line);
    m_services.Announcer = m_announcer.get();
}

QPoint TMainForm::CascadePosition(const QMdiSubWindow* sub, QSize size, QSize client) const
{
    // One title bar's height further down and right per window already open; back to the top
    // left when the next step would not fit.
    const int step = std::max(16, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub));
    int open = 0;
    for (const QMdiSubWindow* w : m_mdi->subWindowList())
        if (w != sub && w->isVisible() && !w->isMinimized())
            ++open;
    const QPoint at(open * step, open * step);
    if (at.x() + size.width() > client.width() || at.y() + size.height() > client.height())
        return {};
    return at;
}

void TMainForm::PlaceFirstTime()
{
    // On the screen the window is on: most of its room (the largest child window, the word
    // study of 720 x 480, fits inside the client area then), within the screen, centred.
    const QSize client(740, 500);
    int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    for (QToolBar* bar : findChildren<QToolBar*>())
        chrome += bar->sizeHint().height();
    QSize wanted(client.width() + 4, client.height() + chrome + 4);
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect avail = screen->availableGeometry();
        wanted =
            wanted.expandedTo(avail.size() * 0.85).boundedTo(avail.size() - QSize(16, 48)).expandedTo(minimumSize());
        resize(wanted);
        move(avail.center() - QPoint(wanted.width() / 2, wanted.height() / 2));
    } else {
        resize(wanted);
    }
}

void TMainForm::SaveWindowPlacement()
{
    m_settings.MainWindowGeometry = saveGeometry();
    m_settings.Save();
}

void TMainForm::FitChild(QMdiSubWindow* sub)
{
    // The frame's Close keeps Ctrl+F4 only: Ctrl+W is the word study everywhere.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* a : menu->actions())
            if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    if (sub->isMaximized() || sub->isMinimized())
        return;
    const QSize client = m_mdi->viewport()->size();
    if (client.isEmpty())
        return;
    QRect r = sub->geometry();
    r.setSize(r.size().boundedTo(client).expandedTo(sub->minimumSizeHint()).expandedTo(sub->minimumSize()));
    r.moveLeft(std::max(0, std::min(r.left(), client.width() - r.width())));
    r.moveTop(std::max(0, std::min(r.top(), client.height() - r.height())));
    if (r != sub->geometry())
        sub->setGeometry(r);
}

bool TMainForm::CloseChildren()
{
    // The user selection window closes only once a person is chosen; it does not hold up the
    // exit. Every other window gets its close request, marked as part of the agreed exit (a
    // session does not ask its quit question after the exit question).
    // A window may close or free others as it closes (the game its question and wager
    // windows): those already gone are passed over.
    for (const QPointer<QMdiSubWindow>& w : ChildList()) {
        if (!w || qobject_cast<TStartupForm*>(w->widget()) || w->isHidden())
            continue;
        if (w->widget())
            MarkExitAgreed(*w->widget());
        if (!w->close())
            return false;
    }
    return true;
}

QList<QPointer<QMdiSubWindow>> TMainForm::ChildList() const
{
    QList<QPointer<QMdiSubWindow>> list;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        list.append(w);
    return list;
}

bool TMainForm::SaveStudyResults(TReport report)
{
    // The window placement is kept even when the person's files cannot be written.
    SaveWindowPlacement();
    try {
        if (m_user->IsChosen()) {
            // The day's date goes beside the user file when the save records new answers.
            const std::string name = m_user->FileName.text();
            SaveUserAndStudyDate(*m_user, UserFilePath(UsersDir(), name), StudyDatePath(UsersDir(), name),
                                 m_services.Clock->Now().date());
            m_tasks->SaveToFile(TaskFilePath(UsersDir(), m_user->FileName.text()));
        }
    } catch (const std::exception& e) {
        if (report == TReport::Show)
            ReportError(e, m_services.Messages);
        else
            std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
    return true;
}

void TMainForm::SaveForLogOut() { SaveStudyResults(TReport::Log); }

void TMainForm::SaveAndQuit()
{
    SaveStudyResults(TReport::Log);
    // exit(), not quit(): quit() would send the windows their close requests (and questions).
    QCoreApplication::exit(0);
}

void TMainForm::WaitToSplashTimer()
{
    WaitToSplash->stop();
    auto* splash = new TSplashScreen(*this);
    splash->StartTimer();
}

void TMainForm::UM_COMMANDSON() { EnableCommands(); }

void TMainForm::StartEngines()
{
    if (m_sounds->EngineStarted())
        return;
    m_sounds->PlayStartupSound();
    m_sounds->StartEngine();
}

void TMainForm::UM_STARTUP()
{
    StartEngines();
    const double now = ToDayNumber(m_services.Clock->Now());
    if (m_settings.ScheduledUpdateDue(m_updateShown, now)) {
        m_updateShown = true;
        m_settings.MoveNextUpdateDue(now);
        m_settings.Save();
        if (m_openScheduledUpdate) {
            m_openScheduledUpdate(QStringLiteral("Scheduled update"));
            return;
        }
        // No update window in this build: go on to the user selection.
    }
    OpenUserSelection();
}

void TMainForm::OpenUserSelection()
{
    m_updateShown = false;
    new TStartupForm(*this);
}

void TMainForm::UM_DIALOGOPEN() { DisableStartCommands(); }

void TMainForm::UM_USERREADY()
{
    CmdGoalCoach->setEnabled(true);
    CmdGoalCoach->setChecked(m_user->Options.CoachMode != 0);
    CmdGoalCoachExecute();
    if (m_assistant->AssistantAvailable()) {
        CmdAssistant->setEnabled(true);
        CmdAssistant->setChecked(m_user->Options.UseAssistant != 0);
        CmdAssistantExecute();
    }
}

void TMainForm::UM_ASSISTANTCHANGED()
{
    if (m_assistant->AssistantAvailable())
        CmdAssistantExecute();
}

void TMainForm::EnableCommands()
{
    m_commandsOn = true;
    m_startCommandsHeld = false;
    CmdStart->setEnabled(true);
    for (QAction* a : {CmdUpgrade, CmdQuestions, CmdMemory, CmdReferenceWork, CmdWordStudy, CmdGame, CmdWallOfFame,
                       CmdQuestionSets, CmdQuestionLists, CmdMemoryList, CmdScripturePortion, CmdConcordance,
                       CmdProgress, CmdTeamProgress, CmdImportPerson, CmdExportPerson, CmdEdit})
        EnableIfOpener(a, true);
    CmdGoals->setEnabled(true);
    EnableIfOpener(CmdSpeech, m_sounds->SpeechAvailable());
    CmdViewScrivolt->setEnabled(m_sounds->SpeechAvailable());
}

void TMainForm::DisableStartCommands()
{
    m_startCommandsHeld = true;
    for (QAction* a : {CmdStart, CmdUpgrade, CmdQuestions, CmdMemory, CmdReferenceWork, CmdGame, CmdSpeech})
        a->setEnabled(false);
}

void TMainForm::CmdStartExecute()
{
    OpenUserSelection();
    CmdStart->setEnabled(false);
}

void TMainForm::CmdAssistantExecute()
{
    m_user->Options.UseAssistant = CmdAssistant->isChecked() ? 1 : 0;
    if (CmdAssistant->isChecked())
        m_assistant->ShowCharacter(static_cast<char>(m_user->Options.AssistantChar));
    else
        m_assistant->SayGoodbye("Bye, bye. See you later.", true);
}

void TMainForm::CmdGoalCoachExecute() { m_user->Options.CoachMode = CmdGoalCoach->isChecked() ? 1 : 0; }

void TMainForm::CmdTipOfTheDayExecute()
{
    new TTipOfDayForm(*this);
    CmdTipOfTheDay->setEnabled(false);
}

void TMainForm::CmdAboutExecute()
{
    auto* splash = new TSplashScreen(*this);
    splash->ShowAsAbout();
}

void TMainForm::ShowHelp(int context)
{
    if (!m_help) {
        m_help = new THelpForm(QString::fromStdString(m_paths.ProgramDir + "help/"), this);
        connect(m_help, &QObject::destroyed, this, [this] { m_help = nullptr; });
    }
    m_help->ShowContext(context);
}

int TMainForm::ActiveHelpContext() const
{
    const QMdiSubWindow* active = m_mdi->activeSubWindow();
    if (!active || !active->widget())
        return 0;
    return active->widget()->property("helpContext").toInt();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted && watched == m_mdi->viewport()) {
        m_painted = true;
        Q_EMIT FirstPainted();
        QTimer::singleShot(0, this, &TMainForm::StartEngines);
    }
    if (watched == this && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && m_assistant)
        m_assistant->FollowMainWindow();
    if (event->type() == QEvent::Show) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && sub->mdiArea() == m_mdi)
            QTimer::singleShot(0, sub, [this, sub] { FitChild(sub); });
    }
    // The status bar is never written: the long hints of the commands are not shown there.
    if (event->type() == QEvent::StatusTip)
        return true;
    if (event->type() == QEvent::EnterWhatsThisMode) {
        // The title-bar help button: show the window's page instead of the "What's this" mode.
        QTimer::singleShot(0, this, [this] {
            QWhatsThis::leaveWhatsThisMode();
            ShowHelp(ActiveHelpContext());
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::OpenCatalog()
{
    if (m_paths.ProgramDir.empty())
        return;
    const QString catalog = QString::fromStdString(m_paths.ProgramDir + "Catalog.pdf");
    if (QFileInfo::exists(catalog)) {
        if (!m_services.Shell->OpenDocument(catalog))
            m_services.Messages->Warning(
                QStringLiteral("No program on this computer could open the catalog:\r%1").arg(catalog));
    } else
        ShowHelp(510);
}

void TMainForm::Tile(bool horizontally)
{
    const auto windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    const QSize area = m_mdi->viewport()->size();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        w->showNormal();
        if (horizontally) {
            const int h = area.height() / n;
            w->setGeometry(0, i * h, area.width(), h);
        } else {
            const int wd = area.width() / n;
            w->setGeometry(i * wd, 0, wd, area.height());
        }
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_leaving) {
        // The exit was agreed and the assistant has said goodbye.
        event->accept();
        return;
    }
    if (!m_services.Messages->Confirm(QStringLiteral("Are you sure you want to exit The Scrivolt?"))) {
        event->ignore();
        return;
    }
    // An open session hears of the exit like any close request (its quit question, its
    // remarks); when it stays open, so does the program.
    if (!CloseChildren()) {
        event->ignore();
        return;
    }
    // A file that cannot be written cancels the exit; the person learns why instead of facing
    // a window that will not close.
    if (!SaveStudyResults(TReport::Show)) {
        event->ignore();
        return;
    }
    if (m_assistant->AssistantAvailable() && m_assistant->Loaded()) {
        std::string bye = "Bye, bye, " + m_user->FullName.text();
        if (bye.size() > 110)
            bye.resize(110);
        // The window stays, with its commands off, until the character has gone (a few
        // seconds at most); then it closes without asking again.
        m_leaving = true;
        setEnabled(false);
        event->ignore();
        try {
            m_assistant->SayGoodbye(bye, true, [this] { QTimer::singleShot(0, this, [this] { close(); }); });
        } catch (const std::exception& e) {
            // A goodbye that fails cancels the exit rather than leave a window that will not close.
            m_leaving = false;
            setEnabled(true);
            ReportError(e, m_services.Messages);
        }
        return;
    }
    event->accept();
}

} // namespace sv
