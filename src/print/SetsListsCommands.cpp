#include "print/SetsListsCommands.h"

#include "print/ListsDlg.h"
#include "print/SetsDlg.h"
#include "program/UserNames.h"
#include "shell/ProgramShell.h"
#include "user/User.h"

#include <QDir>
#include <QFileDialog>

namespace sv {

namespace {

// The save dialog of the document commands: the two filters, the default name and extension.
TSaveChoice AskSaveFile(QWidget* parent, const QString& defaultName)
{
    const QString rtf = QStringLiteral("Formatted output (RTF) (*.rtf)");
    const QString txt = QStringLiteral("Text-only output (*.txt)");
    QFileDialog dialog(parent, QString(), QDir::home().filePath(defaultName + QStringLiteral(".rtf")),
                       rtf + QStringLiteral(";;") + txt);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, rtf](const QString& filter) {
        dialog.setDefaultSuffix(filter == rtf ? QStringLiteral("rtf") : QStringLiteral("txt"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(), dialog.selectedNameFilter() != txt};
}

TPrintContext MakeContext(IProgramShell& main)
{
    TPrintContext c;
    c.User = &main.User();
    c.Books = &main.Books();
    c.Questions = &main.Questions();
    c.Messages = &main.Messages();
    c.Shell = main.Services().Shell;
    // Builds and lists draw on worker threads: each window seeds its own generator rather than
    // share the program's with the user-interface thread.
    c.Random = nullptr;
    c.AskSaveFile = [&main](const QString& name) { return AskSaveFile(main.Window(), name); };
    c.HistoryPath = [&main] { return UserFilePath(main.UsersDir(), main.User().FileName.text()) + "h"; };
    c.CommandsOn = [&main] { main.UM_COMMANDSON(); };
    c.OpenChild = [&main](QWidget* w) {
        main.OpenChild(w, IProgramShell::TPlacement::BottomRight,
                       Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    };
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    return c;
}

} // namespace

void RegisterSetsAndListsCommands(IProgramShell& main)
{
    main.SetOpener(main.CmdQuestionSets, [&main] {
        const TPrintContext c = MakeContext(main);
        c.OpenChild(new TSetsDlg_WF(c));
    });
    main.SetOpener(main.CmdQuestionLists, [&main] {
        const TPrintContext c = MakeContext(main);
        c.OpenChild(new TListsDlg(c));
    });
}

} // namespace sv
