#pragma once
// TWagerForm: the One-Way Wager. Opened by the game window when a player finds the round's
// wager cell; OK (the only way out) hands the amount, 100 up to the limit in steps of 100,
// to the game window. A typed amount that is not one of them is first corrected in the box.

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace sv {

class TSpinEdit;

class TWagerForm : public QWidget {
    Q_OBJECT
public:
    // The game's page, which explains the wager.
    static constexpr int HelpContext = 2115;

    // chosen receives the amount on OK; closed runs when the window has closed.
    TWagerForm(std::function<void(int amount)> chosen, std::function<void()> closed, QWidget* parent = nullptr);
    ~TWagerForm() override;

    // The largest wager: the score when it is above 1000, else 1000.
    void SetWagerLimit(int score);
    // Puts the focus in the amount box with its text selected, ready to type over.
    void FocusAmount();

    void OKBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Label1;
    TSpinEdit* WagerSpinEdit;
    QPushButton* OKBtn;
    std::function<void(int)> m_chosen;
    std::function<void()> m_closed;
    bool m_ok = false;
};

} // namespace sv
