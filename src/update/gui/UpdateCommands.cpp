#include "update/gui/UpdateCommands.h"

#include "program/ProgramPaths.h"
#include "program/ProgramSettings.h"
#include "shell/ProgramShell.h"
#include "update/FileVersion.h"
#include "update/ProgramInstaller.h"
#include "update/gui/KeychainStore.h"
#include "update/gui/UpdateDialogs.h"
#include "update/gui/WebUpdateForm.h"
#include "user/User.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>

namespace sv {

const char* const kControlFileURL = "https://scrivolt.example.org/updates/karvo_wf.inf";

namespace {

// The version block the update reads from the program file ("newversion" against
// "localversion"): kept in the executable as it is.
[[gnu::used]] constexpr auto kVersionBlock =
    MakeVersionBlock(SV_VERSION_MAJOR, SV_VERSION_MINOR, SV_VERSION_PATCH, SV_VERSION_TWEAK);

QString ControlFileURL(IProgramShell& main)
{
    const QSettings s(main.Settings().Path(), QSettings::IniFormat);
    const QString url = s.value(QStringLiteral("Update/ControlFileURL")).toString().trimmed();
    return url.isEmpty() ? QString::fromLatin1(kControlFileURL) : url;
}

// Plain http for the update, turned on by hand in the settings file (unsafe: anyone on the way
// can change what arrives).
bool AllowPlainHttp(IProgramShell& main)
{
    const QSettings s(main.Settings().Path(), QSettings::IniFormat);
    return s.value(QStringLiteral("Update/AllowPlainHttp"), false).toBool();
}

// The installed layout keeps the person files outside the program folder; its program files
// belong to the package manager, which updates them.
bool InstalledLayout(IProgramShell& main)
{
    return QDir(QString::fromStdString(main.Paths().UsersDir)).absolutePath()
           != QDir(QString::fromStdString(main.ProgramDir()) + QStringLiteral("Users")).absolutePath();
}

void OpenUpdateWindow(IProgramShell& main, const QString& caption)
{
    TUpdateFormContext c;
    c.Settings = &main.Settings();
    c.Messages = &main.Messages();
    c.Clock = main.Services().Clock;
    c.ControlFileURL = ControlFileURL(main);
    const QString programDir = QString::fromStdString(main.ProgramDir());
    c.UpdaterPath = programDir + QStringLiteral("sv_update");
    c.JournalPath = UpdateJournalPath(programDir);
    c.DataFolder = QDir::cleanPath(QString::fromStdString(main.Paths().UsersDir) + QStringLiteral(".."));
    c.AllowPlainHttp = AllowPlainHttp(main);
    c.Secrets = std::make_shared<TKeychainStore>(QStringLiteral("The Scrivolt"));
    c.MakeHost = [&main](QWidget* owner) -> std::unique_ptr<IUpdateHost> {
        return std::make_unique<TQtUpdateHost>(main.Messages(), *main.Services().Shell, owner,
                                               [&main] { QuitForUpdate(main); });
    };
    c.DialogOpen = [&main] { main.UM_DIALOGOPEN(); };
    c.Closed = [&main] {
        if (main.User().IsChosen())
            main.UM_COMMANDSON();
        else
            main.UM_STARTUP();
    };
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    auto* form = new TWebUpdateForm(c, caption);
    main.OpenChild(form, IProgramShell::TPlacement::Centred,
                   Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint);
}

} // namespace

void QuitForUpdate(IProgramShell& main)
{
    if (!main.SaveStudyResults())
        return;
    // Leaves the message loop without closing the windows (which would ask whether to exit).
    QApplication::exit(0);
}

QString ProgramVersion()
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(SV_VERSION_MAJOR)
        .arg(SV_VERSION_MINOR)
        .arg(SV_VERSION_PATCH)
        .arg(SV_VERSION_TWEAK);
}

void RegisterUpdateCommands(IProgramShell& main)
{
    (void)kVersionBlock;
    if (InstalledLayout(main)) {
        // The command stays disabled without an opener, and says why.
        main.CmdUpgrade->setStatusTip(
            QStringLiteral("This installed copy is updated by the system's package manager, not from the web"));
        return;
    }
    main.SetOpener(main.CmdUpgrade, [&main] {
        OpenUpdateWindow(main, QStringLiteral("Get the latest version of The Scrivolt from the Web"));
    });
    main.SetScheduledUpdateOpener([&main](const QString& caption) { OpenUpdateWindow(main, caption); });
}

} // namespace sv
