#include "voice/gui/QtVoice.h"

#include "common/Win1252.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTextToSpeech>
#include <QUrl>
#include <QVoice>

namespace sv {

TFliteSpeechEngine::TFliteSpeechEngine(QObject* parent) : QObject(parent) {}

TFliteSpeechEngine::~TFliteSpeechEngine() = default;

bool TFliteSpeechEngine::Activate()
{
    if (m_active)
        return true;
    if (!m_tts) {
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
            return false;
        m_tts = new QTextToSpeech(QStringLiteral("flite"), this);
        m_defaultVoice = m_tts->voice().name();
        connect(m_tts, &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State s) { StateChanged(static_cast<int>(s)); });
    }
    if (m_tts->state() == QTextToSpeech::Error) {
        delete m_tts;
        m_tts = nullptr;
        return false;
    }
    ApplyVoice();
    m_active = true;
    return true;
}

void TFliteSpeechEngine::Deactivate()
{
    if (m_tts && m_busy)
        m_tts->stop();
    m_active = false;
}

void TFliteSpeechEngine::ApplyVoice()
{
    if (!m_tts)
        return;
    // "Default", or a voice this computer does not have, is the engine's own voice, not the
    // voice the previous person chose.
    const QString wanted = m_modeName == QStringLiteral("Default") ? m_defaultVoice : m_modeName;
    const QList<QVoice> voices = m_tts->availableVoices();
    const QVoice* fallback = nullptr;
    for (const QVoice& v : voices) {
        if (v.name() == wanted) {
            m_tts->setVoice(v);
            return;
        }
        if (v.name() == m_defaultVoice)
            fallback = &v;
    }
    if (fallback)
        m_tts->setVoice(*fallback);
}

QString TFliteSpeechEngine::CurrentVoice() const
{
    return m_tts ? m_tts->voice().name() : QString();
}

QStringList TFliteSpeechEngine::Voices() const
{
    QStringList names{QStringLiteral("Default")};
    if (m_tts)
        for (const QVoice& v : m_tts->availableVoices())
            names << v.name();
    return names;
}

void TFliteSpeechEngine::Speak(const std::string& text)
{
    if (!m_active || !m_tts)
        return;
    m_busy = true;
    m_tts->say(FromWin1252(text));
}

void TFliteSpeechEngine::AudioReset()
{
    if (m_tts)
        m_tts->stop();
}

void TFliteSpeechEngine::StateChanged(int state)
{
    // Ready after speaking is the end of the text; an error (no sound device, say) ends it too,
    // so nobody waits for a text that will never finish.
    if (!m_busy)
        return;
    if (state == QTextToSpeech::Ready || state == QTextToSpeech::Error) {
        m_busy = false;
        if (OnTextDone)
            OnTextDone();
    }
}

TMediaSoundPlayer::TMediaSoundPlayer(QObject* parent) : QObject(parent) {}

TMediaSoundPlayer::~TMediaSoundPlayer() = default;

void TMediaSoundPlayer::Play(const QString& path)
{
    Stop();
    if (!QFileInfo::exists(path))
        return;
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
    }
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void TMediaSoundPlayer::Stop()
{
    if (m_player)
        m_player->stop();
}

} // namespace sv
