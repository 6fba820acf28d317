#include "ui/SoundPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

constexpr int SampleRate = 44100;
constexpr double Loudness = 0.45; // of full scale, below clipping with the overtones

struct Tone
{
    double start;     // seconds
    double frequency; // Hz
    double length;    // seconds until silent
    double decay;     // seconds to fall to a third; 0: held, as a beep
};

// A bell of two notes, falling a major third, with two soft overtones.
const Tone Chime[] = {{0.0, 1318.5, 1.2, 0.32}, {0.38, 1046.5, 1.4, 0.4}};
// Two short beeps.
const Tone Warning[] = {{0.0, 988.0, 0.12, 0}, {0.2, 988.0, 0.12, 0}};

double envelope(const Tone& tone, double t)
{
    constexpr double Ramp = 0.006; // no click at either edge
    const double edges = std::min({1.0, t / Ramp, (tone.length - t) / Ramp});
    return tone.decay > 0 ? edges * std::exp(-t / tone.decay) : edges;
}

template <std::size_t N> QByteArray samples(const Tone (&tones)[N])
{
    double total = 0;
    for (const Tone& tone : tones)
        total = std::max(total, tone.start + tone.length);
    const int count = int(total * SampleRate);
    QByteArray bytes(count * 2, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        double value = 0;
        for (const Tone& tone : tones) {
            const double local = t - tone.start;
            if (local < 0 || local >= tone.length)
                continue;
            const double phase = 2 * std::numbers::pi * tone.frequency * local;
            const double overtones =
                tone.decay > 0 ? 0.25 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase) : 0.0;
            value += envelope(tone, local) * (std::sin(phase) + overtones);
        }
        const auto sample = qint16(std::clamp(value * Loudness, -1.0, 1.0) * 32767);
        qToLittleEndian(sample, bytes.data() + 2 * i);
    }
    return bytes;
}

QAudioFormat sampleFormat()
{
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

bool SoundPlayer::play(Platform::Sound sound)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(sampleFormat()))
        return false;
    QAudioSink* sink = sinkFor(device);
    sink->stop();
    m_samples.close();
    static const QByteArray chime = samples(Chime);
    static const QByteArray warning = samples(Warning);
    m_samples.setData(sound == Platform::Sound::Chime ? chime : warning);
    m_samples.open(QIODevice::ReadOnly);
    sink->start(&m_samples);
    return sink->error() == QAudio::NoError;
}

QAudioSink* SoundPlayer::sinkFor(const QAudioDevice& device)
{
    if (m_sink && m_device == device)
        return m_sink;
    delete m_sink;
    m_device = device;
    m_sink = new QAudioSink(device, sampleFormat(), this);
    // The stream is let go once a sound has played out.
    connect(m_sink, &QAudioSink::stateChanged, m_sink, [sink = m_sink](QAudio::State state) {
        if (state == QAudio::IdleState)
            sink->stop();
    });
    return m_sink;
}
