#pragma once
// What the update procedure needs of the program around it: the dialogs it shows, the
// programs it starts and the end of the application. The update window supplies the real
// ones; tests supply scripted ones.

#include <QString>
#include <QStringList>

namespace sv {

struct TWhatsNewCaptions {
    QString Caption;
    QString OkButton = QStringLiteral("Ok");
    QString CancelButton = QStringLiteral("Cancel");
};

struct TLicenseCaptions {
    QString Caption;
    QString OkButton = QStringLiteral("Ok");
    QString Accept = QStringLiteral("I accept");
    QString NotAccept = QStringLiteral("I do not accept");
};

class IUpdateHost {
public:
    virtual ~IUpdateHost() = default;
    // Information message with OK ("\n" in text starts a new line).
    virtual void Information(const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // The HTML page html, fetched from address, shown as a dialog until the user closes it.
    virtual void ShowHtmlDialog(const QString& html, const QString& address) = 0;
    // The what's-new text; true when confirmed with the OK button.
    virtual bool WhatsNew(const QString& text, const TWhatsNewCaptions& captions) = 0;
    // The license text; true when closed with OK while "accept" is chosen.
    virtual bool License(const QString& text, const TLicenseCaptions& captions) = 0;
    // Opens a web address in the browser.
    virtual void OpenUrl(const QString& address) = 0;
    // Starts program with args (no shell, not waited for); false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& args) = 0;
    // Starts program with args, detached; on failure false and error receives the system's text.
    virtual bool StartDetached(const QString& program, const QStringList& args, QString* error) = 0;
    // Ends the application (the person's data saved as at any exit, without asking).
    virtual void QuitApplication() = 0;
};

} // namespace sv
