#include "print/gui/SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace sv {

std::vector<TFileFilter> DocumentFilters()
{
    return {{QStringLiteral("Formatted output (RTF)"), QStringLiteral("*.rtf")},
            {QStringLiteral("Text-only output"), QStringLiteral("*.txt")}};
}

bool AnswerIsRtf(const TSaveAnswer& answer)
{
    if (answer.Path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        return false;
    if (answer.Path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive))
        return true;
    return answer.Filter != 1;
}

std::optional<TSaveAnswer> TQtSaveDialog::Ask(const TSaveRequest& request)
{
    if (m_lastDir.isEmpty())
        m_lastDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(m_parent, request.Caption, m_lastDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultExtension);
    QStringList filters;
    for (const TFileFilter& f : request.Filters)
        filters << f.Label + QStringLiteral(" (") + f.Pattern + QStringLiteral(")");
    dialog.setNameFilters(filters);
    dialog.selectFile(request.DefaultName + QStringLiteral(".") + request.DefaultExtension);
    // The suffix follows the filter chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        const QString suffix = f.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
        dialog.setDefaultSuffix(suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    TSaveAnswer choice;
    choice.Path = dialog.selectedFiles().constFirst();
    choice.Filter = std::max<int>(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    m_lastDir = QFileInfo(choice.Path).absolutePath();
    return choice;
}

} // namespace sv
