#include "print/gui/PrintCommands.h"

#include "print/gui/ConcordanceDlg.h"
#include "print/gui/MemListDlg.h"
#include "print/gui/PrintContext.h"
#include "print/gui/SaveDialog.h"
#include "print/gui/ScriptureDlg.h"
#include "program/ProgramSettings.h"
#include "shell/ProgramShell.h"
#include "shell/Services.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace sv {

void RegisterPrintCommands(IProgramShell& main)
{
    std::shared_ptr<ISaveDialog> saveDialog = std::make_shared<TQtSaveDialog>(main.Window());
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    main.SetOpener(main.CmdMemoryList, [&main, saveDialog, flags] {
        main.OpenChild(new TMemListDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Cascaded,
                       flags);
    });
    main.SetOpener(main.CmdScripturePortion, [&main, saveDialog, flags] {
        main.OpenChild(new TScriptureDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Cascaded,
                       flags);
    });
    main.SetOpener(main.CmdConcordance, [&main, saveDialog, flags] {
        main.OpenChild(new TConcordanceDlg(PrintContextOf(main, saveDialog.get())), IProgramShell::TPlacement::Centred,
                       flags);
    });
    main.CmdScripturePortion->setVisible(true);
    main.CmdConcordance->setVisible(true);

    // How plain-text documents are saved, at the end of the Print menu: UTF-8 for this
    // machine, or Windows-1252 with CR LF line ends for Windows machines.
    for (QObject* owner : main.CmdConcordance->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(owner);
        if (!menu)
            continue;
        menu->addSeparator();
        QAction* forWindows = menu->addAction(QStringLiteral("Plain text for &Windows machines"));
        forWindows->setObjectName(QStringLiteral("CmdTextForWindows"));
        forWindows->setCheckable(true);
        forWindows->setChecked(main.Settings().TextForWindows);
        forWindows->setStatusTip(
            QStringLiteral("Text-only documents are saved as Windows-1252 with CR LF line ends instead of UTF-8"));
        QObject::connect(forWindows, &QAction::toggled, forWindows, [&main](bool on) {
            main.Settings().TextForWindows = on;
            if (!main.Settings().Save())
                main.Messages().Error(QStringLiteral("Cannot create file ") + main.Settings().Path());
        });
        break;
    }
}

} // namespace sv
