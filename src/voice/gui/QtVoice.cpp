#include "voice/gui/QtVoice.h"

#include "common/Win1252.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>
#include <QVoice>

namespace sv {

TFliteSpeechEngine::TFliteSpeechEngine(QObject* parent) : QObject(parent) { }

TFliteSpeechEngine::~TFliteSpeechEngine() = default;

bool TFliteSpeechEngine::Activate()
{
    if (m_active)
        return true;
    // The engine itself is created on first use (Engine()): activating only checks that the
    // flite engine is installed, so that start-up spends neither the time nor the memory.
    if (!m_tts && !QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
        return false;
    if (m_tts && m_tts->state() == QTextToSpeech::Error) {
        delete m_tts;
        m_tts = nullptr;
        return false;
    }
    ApplyVoice();
    m_active = true;
    return true;
}

QTextToSpeech* TFliteSpeechEngine::Engine() const
{
    if (m_tts)
        return m_tts;
    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
        return nullptr;
    auto* self = const_cast<TFliteSpeechEngine*>(this);
    m_tts = new QTextToSpeech(QStringLiteral("flite"), self);
    if (m_tts->state() == QTextToSpeech::Error) {
        delete m_tts;
        m_tts = nullptr;
        return nullptr;
    }
    m_defaultVoice = m_tts->voice().name();
    connect(m_tts, &QTextToSpeech::stateChanged, self,
            [self](QTextToSpeech::State s) { self->StateChanged(static_cast<int>(s)); });
    self->ApplyVoice();
    return m_tts;
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
    const QTextToSpeech* tts = m_active ? Engine() : m_tts;
    return tts ? tts->voice().name() : QString();
}

QStringList TFliteSpeechEngine::Voices() const
{
    QStringList names{QStringLiteral("Default")};
    if (const QTextToSpeech* tts = Engine())
        for (const QVoice& v : tts->availableVoices())
            names << v.name();
    return names;
}

void TFliteSpeechEngine::Speak(const std::string& text)
{
    if (!m_active)
        return;
    QTextToSpeech* tts = Engine();
    if (!tts) {
        // The engine could not be made after all: the text ends at once, unspoken.
        m_active = false;
        if (OnTextDone)
            OnTextDone();
        return;
    }
    m_busy = true;
    tts->say(FromWin1252(text));
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

TMediaSoundPlayer::TMediaSoundPlayer(QObject* parent) : QObject(parent) { }

TMediaSoundPlayer::~TMediaSoundPlayer() = default;

void TMediaSoundPlayer::Play(const QString& path)
{
    Stop();
    if (!QFileInfo::exists(path))
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
}

void TMediaSoundPlayer::Stop()
{
    if (m_effect)
        m_effect->stop();
}

} // namespace sv
