#pragma once
// TWallOfFameDlg: the logged-in person's six best game scores, best first.

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace sv {

class TUser;

class TWallOfFameDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2125;

    explicit TWallOfFameDlg(const TUser& user, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QLabel*, 6> Name;  // Name1..Name6
    std::array<QLabel*, 6> Score; // Score1..Score6
    QPushButton* OKBtn;
};

} // namespace sv
