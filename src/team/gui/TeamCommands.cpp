#include "team/gui/TeamCommands.h"

#include "print/gui/PrintContext.h"
#include "print/gui/SaveDialog.h"
#include "program/UserNames.h"
#include "progress/gui/ProgressChartForm.h"
#include "shell/ErrorBoundary.h"
#include "shell/ProgramShell.h"
#include "team/gui/PersonTransfer.h"
#include "team/gui/TeamProgressForm.h"
#include "user/User.h"

#include <QAction>
#include <QFileDialog>

#include <memory>

namespace sv {

namespace {

// A person's record kept alive as long as the chart window that shows it.
class TUserHolder : public QObject {
public:
    explicit TUserHolder(QObject* owner) : QObject(owner) { }
    TUser User;
};

const Qt::WindowFlags ChildFlags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                   | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint;

void OpenPersonChart(IProgramShell& shell, const std::string& fileName)
{
    // The person working now is shown with the answers not yet saved.
    const TUser* user = &shell.User();
    TUserHolder* holder = nullptr;
    if (!shell.User().IsChosen() || !SameNameNoCase(shell.User().FileName.text(), fileName)) {
        auto loaded = std::make_unique<TUser>();
        loaded->LoadFromFile(UserFilePath(shell.UsersDir(), fileName));
        holder = new TUserHolder(nullptr);
        holder->User = *loaded;
        user = &holder->User;
    }
    auto* form = new TProgressChartForm(shell.Books(), shell.Questions(), *user, &shell.Messages());
    if (holder)
        holder->setParent(form);
    form->setWindowTitle(form->windowTitle() + QStringLiteral(" - ") + QString::fromStdString(fileName));
    form->ShowHelp = [&shell](int context) { shell.ShowHelp(context); };
    shell.OpenChild(form, IProgramShell::TPlacement::Cascaded, ChildFlags);
}

} // namespace

void RegisterTeamCommands(IProgramShell& shell)
{
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(shell.Window());
    shell.SetOpener(shell.CmdTeamProgress, [&shell, saveDialog] {
        auto* form = new TTeamProgressForm(PrintContextOf(shell, saveDialog.get()), shell.UsersDir());
        form->OpenChart = [&shell](const std::string& fileName) { OpenPersonChart(shell, fileName); };
        shell.OpenChild(form, IProgramShell::TPlacement::Centred, ChildFlags);
    });
    shell.SetOpener(shell.CmdImportPerson, [&shell] {
        Guarded(
            [&shell] {
                const QString path =
                    QFileDialog::getOpenFileName(shell.Window(), QStringLiteral("Import person"), QString(),
                                                 QStringLiteral("Person files (*.219 *.zip)"));
                if (!path.isEmpty())
                    ImportPersonFile(path.toStdString(), shell.UsersDir(), shell.User().FileName.text(),
                                     shell.Messages());
            },
            &shell.Messages());
    });
    shell.SetOpener(shell.CmdExportPerson, [&shell, saveDialog] {
        Guarded(
            [&shell, saveDialog] {
                if (!shell.User().IsChosen())
                    return;
                // The files on disk are what is exported: the answers of this session first.
                if (!shell.SaveStudyResults())
                    return;
                const QString name = QString::fromStdString(shell.User().FileName.text());
                const auto answer = saveDialog->Ask(
                    {QStringLiteral("Export person"),
                     name,
                     QStringLiteral("zip"),
                     {{QStringLiteral("Zip archive (*.zip)"), QStringLiteral("*.zip")},
                      {QStringLiteral("Person files in this folder (*.219)"), QStringLiteral("*.219")}}});
                if (!answer || answer->Path.isEmpty())
                    return;
                ExportPersonFiles(shell.UsersDir(), shell.User().FileName.text(), answer->Path,
                                  answer->Filter == 1 ? TExportForm::Folder : TExportForm::ZipArchive);
                shell.Messages().Information(QStringLiteral("The files of %1 have been written.").arg(name));
            },
            &shell.Messages());
    });
}

} // namespace sv
