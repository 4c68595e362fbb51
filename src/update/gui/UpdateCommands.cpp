#include "update/gui/UpdateCommands.h"

#include "program/ProgramSettings.h"
#include "program/UserNames.h"
#include "shell/ErrorBoundary.h"
#include "shell/ProgramShell.h"
#include "update/FileVersion.h"
#include "update/gui/UpdateDialogs.h"
#include "update/gui/WebUpdateForm.h"
#include "user/User.h"

#include <QApplication>
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

// Ends the program for the updater: the person's file is written as at any exit (a failure
// keeps the program running, and the updater gives up waiting without changing anything).
void QuitForUpdate(IProgramShell& main)
{
    const bool saved = Guarded([&main] {
        if (main.User().IsChosen())
            main.User().SaveToFile(UserFilePath(main.UsersDir(), main.User().FileName.text()));
    }, &main.Messages());
    if (!saved)
        return;
    main.Settings().Save();
    // Leaves the message loop without closing the windows (which would ask whether to exit).
    QApplication::exit(0);
}

void OpenUpdateWindow(IProgramShell& main, const QString& caption)
{
    TUpdateFormContext c;
    c.Settings = &main.Settings();
    c.Messages = &main.Messages();
    c.Clock = main.Services().Clock;
    c.ControlFileURL = ControlFileURL(main);
    c.UpdaterPath = QString::fromStdString(main.ProgramDir()) + QStringLiteral("sv_update");
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

QString ProgramVersion()
{
    return QStringLiteral("%1.%2.%3.%4").arg(SV_VERSION_MAJOR).arg(SV_VERSION_MINOR).arg(SV_VERSION_PATCH).arg(SV_VERSION_TWEAK);
}

void RegisterUpdateCommands(IProgramShell& main)
{
    (void)kVersionBlock;
    main.SetOpener(main.CmdUpgrade, [&main] {
        OpenUpdateWindow(main, QStringLiteral("Get the latest version of The Scrivolt from the Web"));
    });
    main.SetScheduledUpdateOpener([&main](const QString& caption) { OpenUpdateWindow(main, caption); });
}

} // namespace sv
