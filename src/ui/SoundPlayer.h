#pragma once

#include "ui/Platform.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QObject>

class QAudioSink;

// Plays the practice run's chime and warning, which it makes itself as
// samples, on the default audio output at the system's volume. A sound
// cuts short the one still playing.
class SoundPlayer : public QObject
{
public:
    // False when there is no audio output, or it refuses to play.
    bool play(Platform::Sound sound);

private:
    QAudioSink* sinkFor(const QAudioDevice& device);

    QAudioDevice m_device;
    QAudioSink* m_sink = nullptr;
    QBuffer m_samples;
};
