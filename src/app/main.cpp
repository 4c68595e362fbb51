// The program sv_wf: the main window and its message loop.

#include "app/Application.h"
#include "app/Artwork.h"
#include "app/HintWindow.h"
#include "app/MainForm.h"
#include "app/ProgramWindows.h"
#include "app/QtServices.h"
#include "app/QuitSignals.h"
#include "common/Random.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "program/ContentPlaces.h"
#include "program/ProgramPaths.h"
#include "shell/ErrorBoundary.h"
#include "update/ProgramInstaller.h"
#include "update/gui/UpdateCommands.h"
#include "voice/gui/QtVoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

namespace {

// Nanoseconds since the epoch when the process was started, as the start-up benchmark hands it
// over in SV_EXEC_NS; 0 when it is not set.
long long ExecTimeNs()
{
    const char* v = std::getenv("SV_EXEC_NS");
    return v ? std::atoll(v) : 0;
}

long long NowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

// --paths, answered in a terminal without a display: where the program files are and where a
// person's files go; the person's folders are made and the content files loaded as the program
// does. 0 when everything is in place, else 1 with the reason on standard error.
int AnswerPaths(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const sv::TProgramPaths paths =
        sv::LocateProgramFiles(QCoreApplication::applicationDirPath(), sv::StandardPerUserFolders());
    const sv::TContentPlaces places = sv::ContentPlacesOf(paths);
    const std::string content = sv::ContentDirToLoad(paths, places);
    try {
        sv::MakeDataFolders(paths);
        sv::TWords words;
        words.LoadFromFile(content + "wf.wl");
        sv::TBooks books(words);
        books.LoadFromFile(content + "wf.bk");
        sv::TQuestions questions(words, books);
        questions.LoadFromFile(content + "wf.qs");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("Program files: %s\nPerson files: %s\nSettings: %s\n", paths.ProgramDir.c_str(), paths.UsersDir.c_str(),
                qPrintable(paths.SettingsFile));
    std::printf("Content files: %s\nCoach's questions: %squestions/local.yaml\n", content.c_str(),
                places.CoachDir.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // --version: print the program's version and end (no display needed).
    // --measure-startup: print the time from exec to the first paint of the main window and end.
    // --portion DIR: open the portion in DIR.
    // --paths: print where the program files are and where a person's files go, check that the
    // content files load, and end (0 when they do).
    const std::string option = argc > 1 ? argv[1] : "";
    const bool measure = option == "--measure-startup";
    if (option == "--paths")
        return AnswerPaths(argc, argv);
    if (option == "--version") {
        std::printf("The Scrivolt %s\n", qPrintable(sv::ProgramVersion()));
        return 0;
    }
    sv::TApplication app(argc, argv);
    app.setWindowIcon(sv::ProgramIcon());
    // The menu entry's name, so that the desktop groups the windows under the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.scrivolt.Scrivolt"));

    // The program works from the folder of its program files, wherever it was started from.
    sv::TProgramPaths paths =
        sv::LocateProgramFiles(QCoreApplication::applicationDirPath(), sv::StandardPerUserFolders());
    // --portion DIR: the portion whose content files are in DIR (relative to where the program
    // was started) opens instead of the one chosen last.
    const QStringList args = QCoreApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--portion")); at >= 0 && at + 1 < args.size())
        paths.PortionDir = QDir(args[at + 1]).absolutePath().toStdString() + "/";
    QDir::setCurrent(QString::fromStdString(paths.ProgramDir));

    sv::TMessageBoxes messages;
    sv::TDesktopShell shell;
    sv::TSystemClock clock;
    sv::TRandom random;
    sv::TFliteSpeechEngine speech;
    sv::TMediaSoundPlayer sound;
    app.SetErrorReporter(&messages);
    sv::InstallHintWindow();

    // An update whose updater was stopped half-way is finished or undone before anything runs.
    {
        QString report;
        const sv::TRecovery recovery =
            sv::RecoverInterruptedInstall(sv::UpdateJournalPath(QString::fromStdString(paths.ProgramDir)), &report);
        if (recovery == sv::TRecovery::Failed)
            messages.Warning(report);
        else if (recovery != sv::TRecovery::NothingToDo)
            std::fprintf(stderr, "%s\n", report.toLocal8Bit().constData());
    }

    sv::TPlatformServices services;
    services.Messages = &messages;
    services.Shell = &shell;
    services.Clock = &clock;
    services.Speech = &speech;
    services.Sound = &sound;
    services.Random = &random;

    std::unique_ptr<sv::TMainForm> main;
    try {
        sv::MakeDataFolders(paths);
        main = std::make_unique<sv::TMainForm>(services, paths);
    } catch (const std::exception& e) {
        // The program cannot work without its content and a place for the person files.
        sv::ReportError(e, &messages);
        return 1;
    }
    sv::RegisterProgramWindows(*main);
    if (measure) {
        const long long exec = ExecTimeNs();
        QObject::connect(main.get(), &sv::TMainForm::FirstPainted, [exec] {
            std::printf("main window shown %.1f ms after exec\n", exec ? (NowNs() - exec) / 1e6 : -1.0);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        });
    }
    // SIGTERM, SIGINT and SIGHUP end the program as a normal quit that keeps the results.
    sv::TQuitSignals quitSignals;
    QObject::connect(&quitSignals, &sv::TQuitSignals::Received, main.get(), [&main](int) { main->SaveAndQuit(); });
    main->show();
    const int result = app.exec();
    main.reset();
    sv::UninstallHintWindow();
    return result;
}
