#include "portion/PortionChoice.h"

#include <QDir>

namespace sv {

namespace {
bool SameFolder(const std::string& a, const std::string& b)
{
    return QDir(QString::fromStdString(a)).absolutePath() == QDir(QString::fromStdString(b)).absolutePath();
}
} // namespace

TPortionChoice::TPortionChoice(TPortionList list, const std::string& currentDir) : m_list(std::move(list))
{
    for (int row = 0; row < Rows(); ++row)
        if (SameFolder(Portion(row).Dir, currentDir))
            m_current = row;
}

QString TPortionChoice::Cell(int row, TPortionColumn column) const
{
    const TPortionInfo& p = Portion(row);
    switch (column) {
    case TPortionColumn::Name:
        if (!p.Text.Name.isEmpty())
            return p.Text.Name;
        return p.Shipped() ? QStringLiteral("The portion of this program") : QString::fromStdString(p.Id);
    case TPortionColumn::Books:
        return p.Text.Books;
    case TPortionColumn::Translation:
        return p.Text.Translation;
    case TPortionColumn::Questions:
        return QString::number(p.Questions);
    }
    return {};
}

QStringList TPortionChoice::ProblemLines() const
{
    QStringList lines;
    for (const TPortionProblem& p : m_list.Problems)
        lines.append(QString::fromStdString(p.Dir) + QStringLiteral(": ") + QString::fromStdString(p.Why));
    return lines;
}

} // namespace sv
