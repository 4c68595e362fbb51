#pragma once
// The desktop implementations of the platform services: Qt message boxes, the desktop's
// "open" and the system clock.

#include "shell/Services.h"

class QWidget;

namespace sv {

// Gives the keyboard focus back to a widget that had it before a dialog, when it is still
// there to take it: its window is activated, and the child window that holds it.
void RestoreFocus(QWidget* focus);

// Message boxes; after each the focus returns to the widget that had it.
class TMessageBoxes final : public IMessageService {
public:
    void Warning(const QString& text) override;
    void Error(const QString& text) override;
    bool Confirm(const QString& text) override;
    void Information(const QString& text) override;
    void Message(const QString& text) override;
};

class TDesktopShell final : public IShell {
public:
    bool OpenDocument(const QString& path) override;
    void OpenUrl(const QString& url) override;
    void OpenTextFile(const QString& path) override;
};

class TSystemClock final : public IClock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

} // namespace sv
