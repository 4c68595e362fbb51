// The program sv_wf: the main window and its message loop.

#include "app/Application.h"
#include "app/Artwork.h"
#include "app/CoolHint.h"
#include "app/MainForm.h"
#include "app/ProgramWindows.h"
#include "app/QtServices.h"
#include "common/Random.h"
#include "voice/QtVoice.h"

#include <QDir>

#include <exception>
#include <memory>

int main(int argc, char** argv)
{
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
    main->show();
    const int result = app.exec();
    main.reset();
    sv::UninstallHintWindow();
    return result;
}
