#pragma once
// TPortionChoice: the list of portions as the "Portion" window shows it, one row a portion
// (name, books, translation, number of questions), the portion open marked, and the folders
// that could not be opened listed below with the reason.

#include "portion/Portions.h"

#include <QString>
#include <QStringList>

namespace sv {

enum class TPortionColumn { Name, Books, Translation, Questions };

class TPortionChoice {
public:
    // currentDir: the content folder of the portion open.
    TPortionChoice(TPortionList list, const std::string& currentDir);

    int Rows() const { return static_cast<int>(m_list.Portions.size()); }
    QString Cell(int row, TPortionColumn column) const;
    const TPortionInfo& Portion(int row) const { return m_list.Portions.at(static_cast<std::size_t>(row)); }
    // The row of the portion open; -1 when it is not among them.
    int CurrentRow() const { return m_current; }
    // One line per folder that could not be opened: the folder, then why.
    QStringList ProblemLines() const;

private:
    TPortionList m_list;
    int m_current = -1;
};

} // namespace sv
