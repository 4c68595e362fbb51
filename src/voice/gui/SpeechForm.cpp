#include "voice/gui/SpeechForm.h"

#include "common/Win1252.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"
#include "voice/SpeechEngine.h"

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

TSpeechForm::TSpeechForm(const TSpeechSettingsContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("SpeechForm"));
    setWindowTitle(QStringLiteral("Speech and Assistant Settings"));
    setProperty("helpContext", HelpContext);

    CommentsGroupBox = new QGroupBox(QStringLiteral("The Scrivolt's Assistant"), this);
    useAssistant = new QCheckBox(QStringLiteral("Use the Scrivolt's Assistant"), CommentsGroupBox);
    useAssistant->setToolTip(QStringLiteral("Allow The Scrivolt's assistant to make comments"));
    auto* selectLabel = new QLabel(QStringLiteral("Select assistant"), CommentsGroupBox);
    assistantCB = new QComboBox(CommentsGroupBox);
    assistantCB->setToolTip(kPersonalityHint);
    PersonalityLabel = new QLabel(QStringLiteral("Personality"), CommentsGroupBox);
    PersonalityCB = new QComboBox(CommentsGroupBox);
    PersonalityCB->setToolTip(kPersonalityHint);
    auto* comments = new QGridLayout(CommentsGroupBox);
    comments->addWidget(useAssistant, 0, 0, 1, 2);
    comments->addWidget(selectLabel, 1, 0);
    comments->addWidget(assistantCB, 1, 1);
    comments->addWidget(PersonalityLabel, 2, 0);
    comments->addWidget(PersonalityCB, 2, 1);

    auto* voiceBox = new QGroupBox(QStringLiteral("Voice"), this);
    VoiceCB = new QComboBox(voiceBox);
    VoiceCB->setToolTip(QStringLiteral("Choose the Scrivolt's voice"));
    TestLabel = new QLabel(QStringLiteral("Test sentence (you may change this)"), voiceBox);
    TestMemo = new QPlainTextEdit(QStringLiteral("With what did John baptize?"), voiceBox);
    TestMemo->setFixedHeight(48);
    TestMemo->setTabChangesFocus(true);
    TestBtn = new QPushButton(QStringLiteral("Test Voice"), voiceBox);
    auto* voice = new QVBoxLayout(voiceBox);
    voice->addWidget(VoiceCB);
    voice->addWidget(TestLabel);
    voice->addWidget(TestMemo);
    voice->addWidget(TestBtn, 0, Qt::AlignRight);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    helpBtn = new QPushButton(QStringLiteral("Help"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(helpBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CommentsGroupBox);
    layout->addWidget(voiceBox);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    TUser& user = *m_context.User;
    // Voices: the engine's, without those whose name starts with "Adult".
    QStringList voices = m_context.Engine ? m_context.Engine->Voices() : QStringList();
    for (qsizetype i = voices.size() - 1; i >= 0; --i)
        if (voices[i].left(5) == QStringLiteral("Adult"))
            voices.removeAt(i);
    VoiceCB->addItems(voices);
    const QString voiceName = FromWin1252(user.VoiceName.text());
    VoiceCB->setCurrentIndex(voices.isEmpty() ? -1 : 0);
    if (const qsizetype at = voices.indexOf(voiceName); at >= 0)
        VoiceCB->setCurrentIndex(static_cast<int>(at));

    const std::vector<std::string> personalities = m_context.Sounds->PersonalityNames();
    const int count = std::min<int>(m_context.Sounds->PersonalityCount(), static_cast<int>(personalities.size()));
    for (int i = 0; i < count; ++i)
        PersonalityCB->addItem(FromWin1252(personalities[static_cast<std::size_t>(i)]));
    PersonalityCB->setCurrentIndex(PersonalityCB->findText(FromWin1252(user.PersonalityName.text())));

    TAssistant* assistant = m_context.Assistant;
    if (!assistant || !assistant->AssistantAvailable()) {
        useAssistant->setChecked(false);
        useAssistant->setEnabled(false);
        assistantCB->setEnabled(false);
        PersonalityLabel->setEnabled(false);
        PersonalityCB->setEnabled(false);
    } else {
        useAssistant->setChecked(user.Options.UseAssistant != 0);
        for (const std::string& name : assistant->InstalledCharacters())
            assistantCB->addItem(QString::fromStdString(name));
        const char letter = static_cast<char>(user.Options.AssistantChar);
        assistantCB->setCurrentIndex(
            letter == '?' ? 0 : assistantCB->findText(QString::fromStdString(TAssistant::CharacterNameOf(letter))));
        useAssistantClick();
    }

    connect(VoiceCB, &QComboBox::currentIndexChanged, this, [this] { VoiceCBChange(); });
    connect(TestBtn, &QPushButton::clicked, this, &TSpeechForm::TestBtnClick);
    connect(useAssistant, &QCheckBox::clicked, this, &TSpeechForm::useAssistantClick);
    connect(OKBtn, &QPushButton::clicked, this, &TSpeechForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSpeechForm::CancelBtnClick);
    connect(helpBtn, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(HelpContext);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TSpeechForm::CancelBtnClick);
}

void TSpeechForm::VoiceCBChange()
{
    // A preview: the engine speaks with the chosen voice while the window is open.
    m_context.Sounds->SetVoice(Bytes(VoiceCB->currentText()));
}

void TSpeechForm::TestBtnClick()
{
    // Spoken as typed: no replacements.
    m_context.Sounds->SpeakAloud(Bytes(TestMemo->toPlainText()));
}

void TSpeechForm::useAssistantClick()
{
    const bool on = useAssistant->isChecked();
    PersonalityLabel->setEnabled(on);
    PersonalityCB->setEnabled(on);
    assistantCB->setEnabled(on);
}

void TSpeechForm::OKBtnClick()
{
    TUser& user = *m_context.User;
    m_context.Sounds->SelectPersonality(Bytes(PersonalityCB->currentText()));
    const char oldChar = static_cast<char>(user.Options.AssistantChar);
    const bool on = useAssistant->isChecked();
    const bool changed = on != (user.Options.UseAssistant != 0);
    user.Options.UseAssistant = on ? 1 : 0;
    const std::string character = Bytes(assistantCB->currentText());
    if (!character.empty())
        user.Options.AssistantChar = static_cast<std::uint8_t>(character[0]);
    user.VoiceName.setText(Bytes(VoiceCB->currentText()).substr(0, 255));
    user.PersonalityName.setText(Bytes(PersonalityCB->currentText()).substr(0, 255));
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
