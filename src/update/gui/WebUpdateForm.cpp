#include "update/gui/WebUpdateForm.h"

#include "program/ProgramSettings.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "update/UpdateStatus.h"
#include "widgets/AccessibleName.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

namespace {

const char* const kIntroduction[] = {
    "You are about to get the latest version of The Scrivolt.",
    "",
    "In order to do this, your computer must be connected to the internet.",
    "The update asks the update server whether there is a newer version",
    "of the program, and if so, it downloads and installs it.",
    "",
    "It is a good idea to update the program on a regular basis to get the latest ",
    "additions and bug fixes. Often these updates add significant new",
    "functionality to The Scrivolt.",
};

} // namespace

TWebUpdateForm::TWebUpdateForm(const TUpdateFormContext& context, const QString& caption, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setWindowTitle(caption);
    setProperty("helpContext", HelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeStatusList(), 1);
    layout->addLayout(MakeSettingsRows());
    layout->addLayout(MakeButtonRow());

    MakeUpdate();

    // FormCreate
    if (m_context.DialogOpen)
        m_context.DialogOpen();
    m_scheduleBox->setCurrentIndex(std::clamp(static_cast<int>(m_context.Settings->UpdateSchedule), 0, 2));
    m_useProxyBox->setChecked(m_context.Settings->UseProxy);

    connect(m_updateButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { UpdateBtnClick(); }, m_context.Messages); });
    connect(m_cancelButton, &QPushButton::clicked, this, &TWebUpdateForm::CancelBtnClick);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(HelpContext);
    });
    connect(m_scheduleBox, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { ScheduleUpdateCBChange(index); }, m_context.Messages); });
    connect(m_useProxyBox, &QCheckBox::clicked, this,
            [this] { Guarded([this] { ProxyCheckBoxClick(); }, m_context.Messages); });
    m_updateButton->setFocus();
}

QListWidget* TWebUpdateForm::MakeStatusList()
{
    m_statusList = new QListWidget(this);
    m_statusList->setObjectName(QStringLiteral("statusList"));
    SetAccessibleName(m_statusList, QStringLiteral("Update status"));
    // It only displays: no focus, no selection (and readable, not greyed out).
    m_statusList->setFocusPolicy(Qt::NoFocus);
    m_statusList->setSelectionMode(QAbstractItemView::NoSelection);
    for (const char* line : kIntroduction)
        m_statusList->addItem(QString::fromLatin1(line));
    m_statusList->setMinimumSize(m_statusList->fontMetrics().horizontalAdvance(QStringLiteral("x")) * 82, 220);
    return m_statusList;
}

QFormLayout* TWebUpdateForm::MakeSettingsRows()
{
    auto* grid = new QFormLayout;
    m_scheduleBox = new QComboBox(this);
    m_scheduleBox->setObjectName(QStringLiteral("scheduleBox"));
    SetAccessibleName(m_scheduleBox, QStringLiteral("Schedule updates"));
    m_scheduleBox->addItems(
        {QStringLiteral("Don't remind me"), QStringLiteral("Remind me weekly"), QStringLiteral("Remind me monthly")});
    auto* scheduleLabel = new QLabel(QStringLiteral("&Schedule updates"), this);
    scheduleLabel->setBuddy(m_scheduleBox);
    grid->addRow(scheduleLabel, m_scheduleBox);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    grid->addRow(new QLabel(QStringLiteral("Progress"), this), m_progressBar);
    return grid;
}

QHBoxLayout* TWebUpdateForm::MakeButtonRow()
{
    auto* row = new QHBoxLayout;
    m_useProxyBox = new QCheckBox(QStringLiteral("Use &proxy server"), this);
    m_useProxyBox->setObjectName(QStringLiteral("useProxyBox"));
    row->addWidget(m_useProxyBox);
    row->addStretch(1);
    m_updateButton = new QPushButton(QStringLiteral("&Update"), this);
    m_updateButton->setObjectName(QStringLiteral("updateButton"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_helpButton = new QPushButton(QStringLiteral("&Help"), this);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    m_updateButton->setDefault(true);
    m_updateButton->setAutoDefault(true);
    row->addWidget(m_updateButton);
    row->addWidget(m_cancelButton);
    row->addWidget(m_helpButton);
    return row;
}

void TWebUpdateForm::MakeUpdate()
{
    if (!m_context.Host && m_context.MakeHost) {
        m_ownHost = m_context.MakeHost(this);
        m_context.Host = m_ownHost.get();
    }
    m_update = std::make_unique<TWebUpdate>(*m_context.Host);
    TWebUpdate& u = *m_update;
    u.UpdateType = TUpdateType::Http;
    u.UpdateUpdate = TUpdateUpdate::Silent;
    u.DateFormat = QStringLiteral("mm/dd/yyyy");
    u.DateSeparator = QLatin1Char('/');
    u.TimeFormat = QStringLiteral("hh:nn");
    u.TimeSeparator = QLatin1Char(':');
    u.Signature = QStringLiteral("WebUpdate");
    u.SignatureCheck = false;
    u.ExtractCAB = false;
    u.UseCRC32 = false;
    u.UpdaterPath = m_context.UpdaterPath;
    u.JournalPath = m_context.JournalPath;
    u.DataFolder = m_context.DataFolder;
    u.AllowPlainHttp = m_context.AllowPlainHttp;
    u.OnStatus = [this](const QString& text, TUpdateStatusId status, TUpdateErrorCode code) {
        WebUpdateStatus(text, status, code);
    };
    u.OnFileProgress = [this](const QString& name, qint64 size, qint64 pos) { WebUpdateFileProgress(name, size, pos); };
}

TWebUpdateForm::~TWebUpdateForm() = default;

double TWebUpdateForm::Now() const { return ToDayNumber(m_context.Clock->Now()); }

void TWebUpdateForm::SaveSettings()
{
    if (!m_context.Settings->Save())
        m_context.Messages->Warning(QStringLiteral("Cannot create file ") + m_context.Settings->Path());
}

void TWebUpdateForm::UpdateBtnClick()
{
    if (m_running)
        return;
    m_statusList->clear();
    TWebUpdate& u = *m_update;
    u.URL = m_context.ControlFileURL;
    const TProgramSettings& s = *m_context.Settings;
    if (m_useProxyBox->isChecked() && !ProxyPasswordKnown()) {
        // Not stored (no keyring): the person types it again before the update goes out.
        m_statusList->addItem(QStringLiteral("The proxy password is not stored: enter it in the proxy settings."));
        OpenProxyForm();
        return;
    }
    if (m_useProxyBox->isChecked()) {
        u.Proxy = s.ProxyServer;
        u.ProxyUserID = s.ProxyUserID;
        u.ProxyPassword = s.ProxyPassword;
    } else {
        u.Proxy.clear();
        u.ProxyUserID.clear();
        u.ProxyPassword.clear();
    }
    m_updateButton->setEnabled(false);
    m_running = true;
    try {
        u.DoUpdate();
    } catch (const std::exception& e) {
        // The window must not stay locked as if the update still ran: it can be tried again
        // or closed.
        m_running = false;
        m_updateButton->setEnabled(true);
        ReportError(e, m_context.Messages);
        if (m_closeWhenDone)
            close();
        return;
    }
    m_running = false;
    close();
}

void TWebUpdateForm::CancelBtnClick()
{
    if (m_running)
        m_update->Cancel(); // the run ends at its next block, then the window closes
    else
        close();
}

bool TWebUpdateForm::ProxyPasswordKnown()
{
    TProgramSettings& s = *m_context.Settings;
    if (s.ProxyUserID.isEmpty() || !s.ProxyPassword.isEmpty())
        return true;
    if (m_context.Secrets) {
        if (const std::optional<QString> stored = m_context.Secrets->Read(ProxyPasswordKey);
            stored && !stored->isEmpty()) {
            s.ProxyPassword = *stored; // for this run of the program only
            return true;
        }
    }
    return false;
}

void TWebUpdateForm::OpenProxyForm()
{
    auto* proxy = new TProxyForm(*m_context.Settings, m_context.Secrets.get(), m_context.Messages, this);
    proxy->setAttribute(Qt::WA_DeleteOnClose);
    proxy->open();
}

void TWebUpdateForm::WebUpdateFileProgress(const QString&, qint64 size, qint64 position)
{
    if (size > 0) {
        // The bar counts in kilobytes beyond what an int holds.
        const int shift = size > 0x7FFFFFFF ? 10 : 0;
        m_progressBar->setMaximum(static_cast<int>(size >> shift));
        m_progressBar->setValue(static_cast<int>(std::min(position, size) >> shift));
    } else {
        m_progressBar->setMaximum(0); // size unknown: a busy bar
    }
}

void TWebUpdateForm::WebUpdateStatus(const QString& text, TUpdateStatusId, TUpdateErrorCode errorCode)
{
    m_statusList->addItem(text);
    m_statusList->scrollToBottom();
    m_statusList->repaint();
    if (errorCode == TUpdateErrorCode::NoNewVersion)
        m_context.Messages->Information(
            QStringLiteral("You already have the latest version. You do not need to update now."));
    else if (errorCode == TUpdateErrorCode::NotFound)
        m_context.Messages->Information(text + QStringLiteral("\rUpdate aborted."));
    else if (errorCode == TUpdateErrorCode::Unreachable)
        m_context.Messages->Warning(text);
}

void TWebUpdateForm::ScheduleUpdateCBChange(int index)
{
    TProgramSettings& s = *m_context.Settings;
    s.UpdateSchedule = static_cast<TProgramSettings::TSchedule>(index);
    if (s.UpdateSchedule == TProgramSettings::TSchedule::Weekly)
        s.NextUpdateDue = Now() + 7;
    else if (s.UpdateSchedule == TProgramSettings::TSchedule::Monthly)
        s.NextUpdateDue = Now() + 28;
    SaveSettings();
}

void TWebUpdateForm::ProxyCheckBoxClick()
{
    m_context.Settings->UseProxy = m_useProxyBox->isChecked();
    SaveSettings();
    if (m_useProxyBox->isChecked()) {
        ProxyPasswordKnown(); // the stored password fills the form
        OpenProxyForm();
    }
}

void TWebUpdateForm::closeEvent(QCloseEvent* event)
{
    if (m_running) { // the update under way stops first; the window closes when it has
        m_update->Cancel();
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    TProgramSettings& s = *m_context.Settings;
    if (windowTitle() == ScheduledCaption) {
        if (s.UpdateSchedule == TProgramSettings::TSchedule::Weekly)
            s.NextUpdateDue = Now() + 3;
        else if (s.UpdateSchedule == TProgramSettings::TSchedule::Monthly)
            s.NextUpdateDue = Now() + 14;
        SaveSettings();
    }
    if (m_context.Closed)
        m_context.Closed();
}

TProxyForm::TProxyForm(TProgramSettings& settings, ISecretStore* secrets, IMessageService* messages, QWidget* owner)
    : QDialog(owner), m_settings(settings), m_secrets(secrets), m_messages(messages)
{
    setWindowTitle(QStringLiteral("Proxy settings"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_serverEdit = new QLineEdit(settings.ProxyServer, this);
    m_serverEdit->setObjectName(QStringLiteral("serverEdit"));
    m_serverEdit->setPlaceholderText(QStringLiteral("host:port"));
    m_userIdEdit = new QLineEdit(settings.ProxyUserID, this);
    m_userIdEdit->setObjectName(QStringLiteral("userIdEdit"));
    m_passwordEdit = new QLineEdit(settings.ProxyPassword, this);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Proxy &server"), m_serverEdit);
    form->addRow(QStringLiteral("Proxy &user ID"), m_userIdEdit);
    form->addRow(QStringLiteral("Proxy pass&word"), m_passwordEdit);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_okButton = new QPushButton(QStringLiteral("Ok"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_okButton->setDefault(true);
    row->addWidget(m_okButton);
    row->addWidget(m_cancelButton);
    layout->addLayout(row);
    m_serverEdit->setMinimumWidth(220);
    connect(m_okButton, &QPushButton::clicked, this, &TProxyForm::OKButtonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    // Centred in the owner, 23 pixels above its middle and 2 to the left.
    if (owner) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - QPoint(width() / 2 + 2, height() / 2 + 23));
    }
}

void TProxyForm::OKButtonClick()
{
    m_settings.ProxyServer = m_serverEdit->text().trimmed();
    m_settings.ProxyUserID = m_userIdEdit->text();
    m_settings.ProxyPassword = m_passwordEdit->text(); // kept for this run of the program
    m_settings.Save();                                 // without the password
    QString error;
    bool stored = false;
    if (m_secrets) {
        if (m_settings.ProxyPassword.isEmpty()) {
            m_secrets->Remove(TWebUpdateForm::ProxyPasswordKey);
            stored = true;
        } else {
            stored = m_secrets->Write(TWebUpdateForm::ProxyPasswordKey, m_settings.ProxyPassword, &error);
        }
    }
    if (!stored && m_messages)
        m_messages->Warning(QStringLiteral("No keyring could store the proxy password (%1). It is kept until the "
                                           "program ends and asked for again after that.")
                                .arg(error.isEmpty() ? QStringLiteral("none available") : error));
    accept();
}

} // namespace sv
