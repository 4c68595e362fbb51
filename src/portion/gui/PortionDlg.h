#pragma once
// TPortionDlg: File > "Portion...". Lists the portions the program found (name, books,
// translation, number of questions) with the one open selected, and the folders that could not
// be opened below them. "Open" hands the chosen portion to the main window, which switches to
// it once this window has closed.

#include "portion/PortionChoice.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace sv {

class TPortionDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 9210;

    // open is called with the portion chosen after this window has closed.
    TPortionDlg(TPortionChoice choice, std::function<void(const TPortionInfo&)> open, QWidget* parent = nullptr);

    const TPortionChoice& Choice() const { return m_choice; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenChosen();

    TPortionChoice m_choice;
    std::function<void(const TPortionInfo&)> m_open;
    QTreeWidget* m_list = nullptr;
    QLabel* m_problems = nullptr;
    QPushButton* m_openBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};

} // namespace sv
