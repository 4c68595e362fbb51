// The program sv_wf: the main window and its message loop.

#include "app/Application.h"
#include "app/Artwork.h"
#include "app/CoolHint.h"
#include "app/MainForm.h"
#include "app/ProgramWindows.h"
#include "app/QtServices.h"
#include "app/QuitSignals.h"
#include "common/Random.h"
#include "voice/QtVoice.h"

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

} // namespace

int main(int argc, char** argv)
{
    // --measure-startup: print the time from exec to the first paint of the main window and end.
    const bool measure = argc > 1 && std::string(argv[1]) == "--measure-startup";
    sv::TApplication app(argc, argv);
    app.setWindowIcon(sv::ProgramIcon());

    // The program works from its own folder, wherever it was started from.
    const QString dir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(dir);
    const std::string programDir = QDir::cleanPath(dir).toStdString() + "/";

    sv::TMessageBoxes messages;
    sv::TDesktopShell shell;
    sv::TSystemClock clock;
    sv::TRandom random;
    sv::TFliteSpeechEngine speech;
    sv::TMediaSoundPlayer sound;
    app.SetErrorReporter(&messages);
    sv::InstallHintWindow();

    sv::TPlatformServices services;
    services.Messages = &messages;
    services.Shell = &shell;
    services.Clock = &clock;
    services.Speech = &speech;
    services.Sound = &sound;
    services.Random = &random;

    std::unique_ptr<sv::TMainForm> main;
    try {
        main = std::make_unique<sv::TMainForm>(services, programDir);
    } catch (const std::exception& e) {
        // The program cannot work without its content.
        messages.Error(QString::fromStdString(e.what()));
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
