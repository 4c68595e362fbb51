#include "voice/gui/SpeechForm.h"

#include "common/Win1252.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"
#include "voice/SpeechEngine.h"
#include "widgets/AccessibleName.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace sv {

namespace {
std::string Bytes(const QString& text) { return ToWin1252(text).value_or(std::string()); }
const QString kPersonalityHint = QStringLiteral("Scrivolt can have different personalities");
} // namespace

TSpeechForm::TSpeechForm(const TSpeechSettingsContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("SpeechForm"));
    setWindowTitle(QStringLiteral("Speech and Assistant Settings"));
    setProperty("helpContext", HelpContext);

    MakeCommentsBox();
    QGroupBox* voiceBox = MakeVoiceBox();
    QHBoxLayout* buttons = MakeButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_commentsBox);
    layout->addWidget(voiceBox);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    TUser& user = *m_context.User;
    // Voices: the engine's, without those whose name starts with "Adult".
    QStringList voices = m_context.Engine ? m_context.Engine->Voices() : QStringList();
    for (qsizetype i = voices.size() - 1; i >= 0; --i)
        if (voices[i].left(5) == QStringLiteral("Adult"))
            voices.removeAt(i);
    m_voiceBox->addItems(voices);
    const QString voiceName = FromWin1252(user.VoiceName.text());
    m_voiceBox->setCurrentIndex(voices.isEmpty() ? -1 : 0);
    if (const qsizetype at = voices.indexOf(voiceName); at >= 0)
        m_voiceBox->setCurrentIndex(static_cast<int>(at));

    const std::vector<std::string> personalities = m_context.Sounds->PersonalityNames();
    const int count = std::min<int>(m_context.Sounds->PersonalityCount(), static_cast<int>(personalities.size()));
    for (int i = 0; i < count; ++i)
        m_personalityBox->addItem(FromWin1252(personalities[static_cast<std::size_t>(i)]));
    m_personalityBox->setCurrentIndex(m_personalityBox->findText(FromWin1252(user.PersonalityName.text())));

    TAssistant* assistant = m_context.Assistant;
    if (!assistant || !assistant->AssistantAvailable()) {
        m_useAssistantBox->setChecked(false);
        m_useAssistantBox->setEnabled(false);
        m_assistantBox->setEnabled(false);
        m_personalityLabel->setEnabled(false);
        m_personalityBox->setEnabled(false);
    } else {
        m_useAssistantBox->setChecked(user.Options.UseAssistant != 0);
        for (const std::string& name : assistant->InstalledCharacters())
            m_assistantBox->addItem(QString::fromStdString(name));
        const char letter = static_cast<char>(user.Options.AssistantChar);
        m_assistantBox->setCurrentIndex(
            letter == '?' ? 0 : m_assistantBox->findText(QString::fromStdString(TAssistant::CharacterNameOf(letter))));
        useAssistantClick();
    }

    connect(m_voiceBox, &QComboBox::currentIndexChanged, this, [this] { VoiceCBChange(); });
    connect(m_testButton, &QPushButton::clicked, this, &TSpeechForm::TestBtnClick);
    connect(m_useAssistantBox, &QCheckBox::clicked, this, &TSpeechForm::useAssistantClick);
    connect(m_okButton, &QPushButton::clicked, this, &TSpeechForm::OKBtnClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &TSpeechForm::CancelBtnClick);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(HelpContext);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TSpeechForm::CancelBtnClick);
}

void TSpeechForm::MakeCommentsBox()
{
    m_commentsBox = new QGroupBox(QStringLiteral("The Scrivolt's Assistant"), this);
    m_commentsBox->setObjectName(QStringLiteral("commentsBox"));
    m_useAssistantBox = new QCheckBox(QStringLiteral("Use the Scrivolt's Assistant"), m_commentsBox);
    m_useAssistantBox->setObjectName(QStringLiteral("useAssistantBox"));
    m_useAssistantBox->setToolTip(QStringLiteral("Allow The Scrivolt's assistant to make comments"));
    auto* selectLabel = new QLabel(QStringLiteral("Select assistant"), m_commentsBox);
    m_assistantBox = new QComboBox(m_commentsBox);
    m_assistantBox->setObjectName(QStringLiteral("assistantBox"));
    SetAccessibleName(m_assistantBox, QStringLiteral("Select assistant"));
    m_assistantBox->setToolTip(kPersonalityHint);
    m_personalityLabel = new QLabel(QStringLiteral("Personality"), m_commentsBox);
    m_personalityLabel->setObjectName(QStringLiteral("personalityLabel"));
    m_personalityBox = new QComboBox(m_commentsBox);
    m_personalityBox->setObjectName(QStringLiteral("personalityBox"));
    SetAccessibleName(m_personalityBox, QStringLiteral("Personality"));
    m_personalityBox->setToolTip(kPersonalityHint);
    auto* comments = new QGridLayout(m_commentsBox);
    comments->addWidget(m_useAssistantBox, 0, 0, 1, 2);
    comments->addWidget(selectLabel, 1, 0);
    comments->addWidget(m_assistantBox, 1, 1);
    comments->addWidget(m_personalityLabel, 2, 0);
    comments->addWidget(m_personalityBox, 2, 1);
}

QGroupBox* TSpeechForm::MakeVoiceBox()
{
    auto* voiceBox = new QGroupBox(QStringLiteral("Voice"), this);
    m_voiceBox = new QComboBox(voiceBox);
    m_voiceBox->setObjectName(QStringLiteral("voiceBox"));
    SetAccessibleName(m_voiceBox, QStringLiteral("Voice"));
    m_voiceBox->setToolTip(QStringLiteral("Choose the Scrivolt's voice"));
    m_testLabel = new QLabel(QStringLiteral("Test sentence (you may change this)"), voiceBox);
    m_testLabel->setObjectName(QStringLiteral("testLabel"));
    m_testText = new QPlainTextEdit(QStringLiteral("With what did John baptize?"), voiceBox);
    m_testText->setObjectName(QStringLiteral("testText"));
    SetAccessibleName(m_testText, QStringLiteral("Test sentence"));
    m_testText->setFixedHeight(48);
    m_testText->setTabChangesFocus(true);
    m_testButton = new QPushButton(QStringLiteral("Test Voice"), voiceBox);
    m_testButton->setObjectName(QStringLiteral("testButton"));
    auto* voice = new QVBoxLayout(voiceBox);
    voice->addWidget(m_voiceBox);
    voice->addWidget(m_testLabel);
    voice->addWidget(m_testText);
    voice->addWidget(m_testButton, 0, Qt::AlignRight);
    return voiceBox;
}

QHBoxLayout* TSpeechForm::MakeButtonRow()
{
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_helpButton = new QPushButton(QStringLiteral("Help"), this);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_helpButton);
    return buttons;
}

void TSpeechForm::VoiceCBChange()
{
    // A preview: the engine speaks with the chosen voice while the window is open.
    m_context.Sounds->SetVoice(Bytes(m_voiceBox->currentText()));
}

void TSpeechForm::TestBtnClick()
{
    // Spoken as typed: no replacements.
    m_context.Sounds->SpeakAloud(Bytes(m_testText->toPlainText()));
}

void TSpeechForm::useAssistantClick()
{
    const bool on = m_useAssistantBox->isChecked();
    m_personalityLabel->setEnabled(on);
    m_personalityBox->setEnabled(on);
    m_assistantBox->setEnabled(on);
}

void TSpeechForm::OKBtnClick()
{
    TUser& user = *m_context.User;
    m_context.Sounds->SelectPersonality(Bytes(m_personalityBox->currentText()));
    const char oldChar = static_cast<char>(user.Options.AssistantChar);
    const bool on = m_useAssistantBox->isChecked();
    const bool changed = on != (user.Options.UseAssistant != 0);
    user.Options.UseAssistant = on ? 1 : 0;
    const std::string character = Bytes(m_assistantBox->currentText());
    if (!character.empty())
        user.Options.AssistantChar = static_cast<std::uint8_t>(character[0]);
    user.VoiceName.setText(Bytes(m_voiceBox->currentText()).substr(0, 255));
    user.PersonalityName.setText(Bytes(m_personalityBox->currentText()).substr(0, 255));
    // The goodbye these start plays on by itself; should the window go meanwhile all the
    // same, nothing more is done on it.
    const QPointer<TSpeechForm> self(this);
    if (changed) {
        if (m_context.AssistantChanged)
            m_context.AssistantChanged(on);
    } else if (on && !character.empty() && character[0] != oldChar && m_context.Assistant) {
        m_context.Assistant->ChangeCharacter(character[0]);
    }
    if (self)
        CloseWindow();
}

void TSpeechForm::CancelBtnClick() { CloseWindow(); }

void TSpeechForm::CloseWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TSpeechForm::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        // The stored voice again: a preview not confirmed with OK is undone.
        m_context.Sounds->SetVoice(m_context.User->VoiceName.text());
    }
    event->accept();
}

} // namespace sv
