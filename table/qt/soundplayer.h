// Plays the table's sound effects by name ("placecard" plays the recording
// PLACECARD). Playing is asynchronous and a new sound cuts off the one
// still playing. On a machine without an audio output nothing is played
// and nothing is printed.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);

    // Every name the table asks for; the fifteen with a recording of their
    // own, and "sort" and "clear", which give the platform's default sound.
    void play(const QString& name);

    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

    // True when the recording of this name is among the resources.
    static bool hasRecording(const QString& name);

signals:
    // A sound was asked for while sounds are on (whether or not the
    // machine can play it).
    void played(const QString& name);

private:
    bool audioAvailable();
    QSoundEffect* effect(const QString& upper);

    bool m_enabled = true;
    int m_audioChecked = -1; // -1 not asked yet, 0 no output, 1 output present
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_current = nullptr;
};
