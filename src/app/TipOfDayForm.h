#pragma once
// TTipOfDayForm: "Tip of the Day". Shows one line of "tips.txt" at a time, starting after the
// last tip the person saw; closing stores the position and the "show each time" choice in the
// current user and enables the Tip of the Day command again.

#include "program/TipList.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace sv {

class TMainForm;

class TTipOfDayForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1100;

    explicit TTipOfDayForm(TMainForm& main);

    int Current() const { return m_current; }
    int TipCount() const { return m_tips.Count(); }

    void nextBtnClick();
    void closeBtnClick();

private:
    QLabel* tipText = nullptr;
    QCheckBox* showEachTime = nullptr;
    QPushButton* nextBtn = nullptr;
    QPushButton* closeBtn = nullptr;

    void ShowCurrent();

    TMainForm& m_main;
    TTipList m_tips;
    int m_current = 0;
};

} // namespace sv
