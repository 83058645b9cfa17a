#include "table/qt/soundplayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

bool SoundPlayer::hasRecording(const QString& name)
{
    return QFile::exists(QStringLiteral(":/sounds/") + name.toUpper() + QStringLiteral(".wav"));
}

bool SoundPlayer::audioAvailable()
{
    // Asked once: the device list does not change during a game, and the
    // offscreen test platform never plays anything.
    if (m_audioChecked < 0) {
        const bool offscreen = QGuiApplication::platformName() == QStringLiteral("offscreen");
        // The audio backend complains on the console when the machine has no
        // sound server; a machine without sound is no fault of the game.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const bool outputs = !offscreen && !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(previous);
        m_audioChecked = outputs ? 1 : 0;
    }
    return m_audioChecked == 1;
}

QSoundEffect* SoundPlayer::effect(const QString& upper)
{
    auto it = m_effects.find(upper);
    if (it != m_effects.end()) return it.value();
    auto* sound = new QSoundEffect(this);
    sound->setSource(QUrl(QStringLiteral("qrc:/sounds/") + upper + QStringLiteral(".wav")));
    sound->setVolume(0.8f);
    m_effects.insert(upper, sound);
    return sound;
}

void SoundPlayer::play(const QString& name)
{
    if (!m_enabled) return;
    emit played(name);
    if (!audioAvailable()) return;
    if (m_current) m_current->stop();
    m_current = nullptr;
    const QString upper = name.toUpper();
    if (!hasRecording(upper)) {
        QApplication::beep();
        return;
    }
    m_current = effect(upper);
    m_current->play();
}
