#include "app/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
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

void TMessageBoxes::Warning(const QString& text)
{
    QMessageBox::warning(Owner(), kTitle, Lines(text), QMessageBox::Ok);
}

void TMessageBoxes::Error(const QString& text)
{
    QMessageBox::critical(Owner(), kTitle, Lines(text), QMessageBox::Ok);
}

bool TMessageBoxes::Confirm(const QString& text)
{
    return QMessageBox::question(Owner(), kTitle, Lines(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

void TMessageBoxes::Information(const QString& text)
{
    QMessageBox::information(Owner(), kTitle, Lines(text), QMessageBox::Ok);
}

void TMessageBoxes::Message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, Lines(text), QMessageBox::Ok, Owner());
    box.exec();
}

void TDesktopShell::OpenDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDesktopShell::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void TDesktopShell::OpenTextFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace sv
