#pragma once
// TSplashScreen: the borderless window shown for three seconds at start-up, which also serves
// as the about box (with its "Details..." and "Close" buttons shown and no timer).

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace sv {

class TMainForm;

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    // Creates and shows the window as a child of the main window (bottom right).
    explicit TSplashScreen(TMainForm& main);

    // Starts the three seconds after which the splash closes.
    void StartTimer();
    // Shows the two buttons; "Close" gets the focus. The timer is not started.
    void ShowAsAbout();
    void SplashTimerTimer();
    void DetailsBtnClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* edition = nullptr;
    QLabel* forx = nullptr;
    QLabel* version = nullptr;
    QLabel* peak = nullptr;
    QPushButton* DetailsBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QTimer* SplashTimer = nullptr;
    TMainForm& m_main;
};

} // namespace sv
