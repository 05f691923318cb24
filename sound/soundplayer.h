// Plays the game's sounds through the desktop's sound server, on a thread of its own.
#pragma once

#include "sound/soundcues.h"

#include <QObject>
#include <QThread>

class SoundDevice;

// Nothing of it runs before start(), which the window calls once its first frame is shown: the
// device is opened and the sounds are synthesized on the player's own thread, so neither the
// start-up nor a timer's tick ever waits for the sound server. Without a sound server or device
// the game plays silently, after one line on standard error.
class SoundPlayer : public QObject
{
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    void start();
    // Hands the cue to the player's thread and returns at once; nothing while muted.
    void play(const Cue &cue);
    void setMuted(bool muted);
    bool muted() const { return m_muted; }

  signals:
    // A cue handed to the player's thread (not while muted): what a test or a trace can follow.
    void played(const Cue &cue);

  private:
    QThread *m_thread = nullptr;
    SoundDevice *m_device = nullptr; // lives on m_thread
    bool m_muted = false;
};
