#pragma once
// TWebUpdateForm: the window from which the person updates the program over the web and
// chooses how often to be reminded. It owns the update (TWebUpdate), shows its status lines
// and progress, and edits the reminder and proxy settings of the program. Cancel, or closing
// the window, stops an update under way. TProxyForm edits the proxy server and its
// credentials; it stores them only on "Ok", the password in the keyring (ISecretStore), never
// in the settings file.

#include "update/SecretStore.h"
#include "update/WebUpdate.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace sv {

class IClock;
class IMessageService;
class TProgramSettings;

// What the update window needs of the program around it.
struct TUpdateFormContext {
    TProgramSettings* Settings = nullptr;
    IMessageService* Messages = nullptr;
    IClock* Clock = nullptr;
    // The address of the update control file.
    QString ControlFileURL;
    // The updater program (in the program folder) and its journal.
    QString UpdaterPath;
    QString JournalPath;
    // The person's data folder (besides the program folder, where files may go).
    QString DataFolder;
    // Plain http allowed (the settings' "Update/AllowPlainHttp"; unsafe).
    bool AllowPlainHttp = false;
    // Where the proxy password is kept (none: it is asked for at every start).
    std::shared_ptr<ISecretStore> Secrets;
    // The dialogs and programs of the update (not owned); without it the window makes its own
    // from MakeHost.
    IUpdateHost* Host = nullptr;
    std::function<std::unique_ptr<IUpdateHost>(QWidget* owner)> MakeHost;
    // Sent when the window opens (the start commands are held) and when it closes (the
    // commands come back, or the start-up goes on to the user selection).
    std::function<void()> DialogOpen;
    std::function<void()> Closed;
    std::function<void(int context)> ShowHelp;
};

class TWebUpdateForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2010;
    static inline const QString ScheduledCaption = QStringLiteral("Scheduled update");

    // caption: the window's caption ("Scheduled update" when the start-up opened it).
    TWebUpdateForm(const TUpdateFormContext& context, const QString& caption, QWidget* parent = nullptr);
    ~TWebUpdateForm() override;

    TWebUpdate& WebUpdate() { return *m_update; }
    bool Running() const { return m_running; }

    // The key of the proxy password in the keyring.
    static inline const QString ProxyPasswordKey = QStringLiteral("proxy password");

    void UpdateBtnClick();
    void CancelBtnClick();
    void ScheduleUpdateCBChange(int index);
    void ProxyCheckBoxClick();
    void WebUpdateFileProgress(const QString& fileName, qint64 size, qint64 position);
    void WebUpdateStatus(const QString& text, TUpdateStatusId statusCode, TUpdateErrorCode errorCode);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The parts of the window, built in this order (the order of the focus chain), and the
    // update it runs.
    QListWidget* MakeStatusList();
    QFormLayout* MakeSettingsRows();
    QHBoxLayout* MakeButtonRow();
    void MakeUpdate();

    // The widgets; tests find them by objectName.
    QListWidget* m_statusList = nullptr;
    QComboBox* m_scheduleBox = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QCheckBox* m_useProxyBox = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_helpButton = nullptr;

    double Now() const;
    void SaveSettings();
    void OpenProxyForm();
    bool ProxyPasswordKnown();

    TUpdateFormContext m_context;
    std::unique_ptr<IUpdateHost> m_ownHost;
    std::unique_ptr<TWebUpdate> m_update;
    bool m_running = false;
    bool m_closeWhenDone = false;
    bool m_closed = false;
};

class TProxyForm : public QDialog {
    Q_OBJECT
public:
    // secrets and messages may be null (no keyring: the password is kept for this run only).
    TProxyForm(TProgramSettings& settings, ISecretStore* secrets, IMessageService* messages, QWidget* owner);

    void OKButtonClick();

private:
    // The widgets; tests find them by objectName.
    QLineEdit* m_serverEdit = nullptr;
    QLineEdit* m_userIdEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;

    TProgramSettings& m_settings;
    ISecretStore* m_secrets;
    IMessageService* m_messages;
};

} // namespace sv
