#include "team/gui/TeamCommands.h"

#include "print/gui/PrintContext.h"
#include "print/gui/SaveDialog.h"
#include "program/UserNames.h"
#include "progress/gui/ProgressChartForm.h"
#include "shell/ProgramShell.h"
#include "team/gui/TeamProgressForm.h"
#include "user/User.h"

#include <QAction>

#include <memory>

namespace sv {

namespace {

// A person's record kept alive as long as the chart window that shows it.
class TUserHolder : public QObject {
public:
    explicit TUserHolder(QObject* owner) : QObject(owner) {}
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
    shell.OpenChild(form, IProgramShell::TPlacement::BottomRight, ChildFlags);
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
}

} // namespace sv
