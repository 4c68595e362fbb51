#include "app/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

namespace sv {

namespace {
QWidget* Owner() { return QApplication::activeWindow(); }
// "\r" in a message starts a new line.
QString Lines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
const QString kTitle = QStringLiteral("The Scrivolt");
} // namespace

void RestoreFocus(QWidget* focus)
{
    if (!focus || !focus->isVisible() || !focus->isEnabled())
        return;
    focus->activateWindow();
    // A widget inside a child window of the main window: that child becomes the active one.
    for (QWidget* w = focus->parentWidget(); w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            if (sub->mdiArea())
                sub->mdiArea()->setActiveSubWindow(sub);
            break;
        }
    focus->setFocus(Qt::OtherFocusReason);
}

namespace {
// Every text is shown as written: texts from files and servers (an update's message, a path)
// must never be read as rich text.
QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    // The keyboard goes back to where it was once the box is answered (a quizzer who cannot
    // see the screen must not be left with the focus nowhere).
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QMessageBox box(icon, kTitle, Lines(text), buttons, Owner());
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    RestoreFocus(focus);
    return answer;
}
} // namespace

void TMessageBoxes::Warning(const QString& text) { Show(QMessageBox::Warning, text, QMessageBox::Ok); }

void TMessageBoxes::Error(const QString& text) { Show(QMessageBox::Critical, text, QMessageBox::Ok); }

bool TMessageBoxes::Confirm(const QString& text)
{
    return Show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void TMessageBoxes::Information(const QString& text) { Show(QMessageBox::Information, text, QMessageBox::Ok); }

void TMessageBoxes::Message(const QString& text) { Show(QMessageBox::NoIcon, text, QMessageBox::Ok); }

bool TDesktopShell::OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void TDesktopShell::OpenUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void TDesktopShell::OpenTextFile(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace sv
