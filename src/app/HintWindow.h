#pragma once
// TddgHintWindow: every tool tip of the program is drawn as a rounded box. An application
// event filter (installed once at start) shows it in place of the standard tool tip.

#include <QRegion>
#include <QWidget>

class QTimer;

namespace sv {

class TddgHintWindow : public QWidget {
public:
    TddgHintWindow();

    // Shows text for the rectangle (global coordinates): the window covers the rectangle made
    // 6 pixels taller, with rounded corners of 6 x 6 pixels.
    void ActivateHint(QRect rect, const QString& text);
    // The rectangle a text needs (at the origin).
    QRect CalcHintRect(int maxWidth, const QString& text) const;
    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

// Installs the hint window for the whole application (once); UninstallHintWindow puts the
// standard tool tips back.
void InstallHintWindow();
void UninstallHintWindow();
TddgHintWindow* HintWindow();

} // namespace sv
