#pragma once
// The dialogs the update shows on the control file's request, and the update's connection to
// the running program (TQtUpdateHost): messages through the message service, web addresses
// through the shell, programs started detached, the end of the application for a restart.

#include "update/UpdateHost.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QRadioButton;
class QPlainTextEdit;
class QTextBrowser;

namespace sv {

class IMessageService;
class IShell;

// The what's-new text: 400 x 400, centred on the screen, a read-only text box and the OK and
// Cancel buttons at the bottom right (OK first in the tab order).
class TWhatsNewDlg : public QDialog {
    Q_OBJECT
public:
    TWhatsNewDlg(const QString& text, const TWhatsNewCaptions& captions, QWidget* parent = nullptr);

private:
    // The widgets; tests find them by objectName.
    QPlainTextEdit* m_textBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

// The license text: the same window with an OK button at the right and the choices "accept"
// and "do not accept" at the left, neither chosen at first. OK stays disabled until a choice
// is made; the dialog counts as accepted only when it closes with OK on "accept".
class TLicenseDlg : public QDialog {
    Q_OBJECT
public:
    TLicenseDlg(const QString& text, const TLicenseCaptions& captions, QWidget* parent = nullptr);
    bool Accepted() const;

private:
    // The widgets; tests find them by objectName.
    QPlainTextEdit* m_textBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QRadioButton* m_acceptButton = nullptr;
    QRadioButton* m_notAcceptButton = nullptr;
};

// An HTML page shown as a dialog (links open in the browser).
class THtmlDlg : public QDialog {
    Q_OBJECT
public:
    THtmlDlg(const QString& html, const QString& address, QWidget* parent = nullptr);

private:
    // The widgets; tests find them by objectName.
    QTextBrowser* m_browser = nullptr;
};

class TQtUpdateHost : public IUpdateHost {
public:
    // quit ends the application for the restart (the caller saves what must be saved).
    TQtUpdateHost(IMessageService& messages, IShell& shell, QWidget* owner, std::function<void()> quit);

    void Information(const QString& text) override;
    bool Confirm(const QString& text) override;
    void ShowHtmlDialog(const QString& html, const QString& address) override;
    bool WhatsNew(const QString& text, const TWhatsNewCaptions& captions) override;
    bool License(const QString& text, const TLicenseCaptions& captions) override;
    void OpenUrl(const QString& address) override;
    bool StartProgram(const QString& program, const QStringList& args) override;
    bool StartDetached(const QString& program, const QStringList& args, QString* error) override;
    void QuitApplication() override;

private:
    IMessageService& m_messages;
    IShell& m_shell;
    QWidget* m_owner;
    std::function<void()> m_quit;
};

} // namespace sv
