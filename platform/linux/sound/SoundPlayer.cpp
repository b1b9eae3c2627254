#include "SoundPlayer.h"

#include "core/WaveFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFutureWatcher>
#include <QMediaDevices>
#include <QPromise>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

// Alert files are short; a larger one is not worth stalling the window to read.
constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;
constexpr int kChimeSampleRate = 48000;
// Silence after the sound, so that its last samples leave the server's buffer before the
// sink runs dry and is closed.
constexpr qint64 kTailMicroseconds = 250'000;
constexpr int kUInt8Midpoint = 128;
constexpr int kByteShift = 8;
constexpr int kInt32Shift = 16;
constexpr float kInt16Scale = 32768.0f;

std::optional<wave::Pcm> readWave(const QString& path) {
    const wave::Decoded decoded = wave::readFile(path, kMaxFileBytes);
    if (const auto* error = std::get_if<wave::WaveError>(&decoded)) {
        qWarning("SoundPlayer: %s: %s", qUtf8Printable(path),
                 qUtf8Printable(wave::describe(*error)));
        return std::nullopt;
    }
    return std::get<wave::Pcm>(decoded);
}

QAudioFormat int16Format(int sampleRate, int channels) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The sound as it is when the device takes it, else the nearest the device does take.
QAudioFormat chooseFormat(const QAudioDevice& device, const wave::Pcm& pcm) {
    const QAudioFormat preferred = device.preferredFormat();
    const QAudioFormat candidates[] = {
        int16Format(pcm.sampleRate, pcm.channels),
        int16Format(preferred.sampleRate(), preferred.channelCount()),
    };
    for (const QAudioFormat& format : candidates) {
        if (device.isFormatSupported(format))
            return format;
    }
    return preferred;
}

template <typename T, typename Convert>
QByteArray encodeAs(const QByteArray& int16Samples, Convert convert) {
    const auto* in = reinterpret_cast<const qint16*>(int16Samples.constData());
    const qsizetype count = int16Samples.size() / qsizetype(sizeof(qint16));
    QByteArray out(count * qsizetype(sizeof(T)), Qt::Uninitialized);
    std::transform(in, in + count, reinterpret_cast<T*>(out.data()), convert);
    return out;
}

QByteArray encode(const QByteArray& samples, QAudioFormat::SampleFormat sampleFormat) {
    switch (sampleFormat) {
    case QAudioFormat::Int16:
        return samples;
    case QAudioFormat::UInt8:
        return encodeAs<quint8>(
            samples, [](qint16 s) { return quint8((s >> kByteShift) + kUInt8Midpoint); });
    case QAudioFormat::Int32:
        return encodeAs<qint32>(samples, [](qint16 s) { return qint32(s) << kInt32Shift; });
    case QAudioFormat::Float:
        return encodeAs<float>(samples, [](qint16 s) { return s / kInt16Scale; });
    default:
        return {};
    }
}

// The sound converted to the device's format, followed by the tail of silence.
QByteArray render(const wave::Pcm& pcm, const QAudioFormat& format) {
    const wave::Pcm fitted =
        wave::remix(wave::resample(pcm, format.sampleRate()), format.channelCount());
    QByteArray bytes = encode(fitted.samples, format.sampleFormat());
    if (bytes.isEmpty())
        return bytes;
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(kUInt8Midpoint) : 0;
    return bytes.append(QByteArray(format.bytesForDuration(kTailMicroseconds), silence));
}

// The slow part of a sound, done away from the window's thread: reading, decoding and
// converting to what the device takes. A newer request makes the rest of it pointless.
RenderedSound load(const QString& path, const QAudioDevice& device,
                   const std::atomic<quint64>& latest, quint64 ticket) {
    if (latest != ticket)
        return {};
    const std::optional<wave::Pcm> pcm = readWave(path);
    if (latest != ticket)
        return {};
    const wave::Pcm sound = pcm ? *pcm : wave::chime(kChimeSampleRate);
    const QAudioFormat format = chooseFormat(device, sound);
    return {device, format, render(sound, format)};
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent) {
    // One load at a time: a burst of requests cannot hold several huge files at once.
    loader_.setMaxThreadCount(1);
}

SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::play(const QString& path) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        qWarning("SoundPlayer: no audio output device");
        return;
    }
    const quint64 ticket = ++*latest_;
    auto promise = std::make_shared<QPromise<RenderedSound>>();
    loading_ = new QFutureWatcher<RenderedSound>(this);
    connect(loading_, &QFutureWatcherBase::finished, this, &SoundPlayer::onLoaded);
    loading_->setFuture(promise->future());
    promise->start();
    loader_.start([promise, path, device, latest = latest_, ticket] {
        promise->addResult(load(path, device, *latest, ticket));
        promise->finish();
    });
}

void SoundPlayer::stop() {
    ++*latest_;
    // A sound still loading is dropped: it must never start after a newer request.
    if (loading_) {
        loading_->disconnect(this);
        std::exchange(loading_, nullptr)->deleteLater();
    }
    if (!sink_)
        return;
    sink_->disconnect(this);
    sink_->reset(); // drops what the server still holds, so the sound ends now
    release();
}

// The sink may be the one signalling now, so it is only deleted later; stopped and
// disconnected, it no longer plays or reports.
void SoundPlayer::release() {
    sink_->disconnect(this);
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
}

void SoundPlayer::onLoaded() {
    QFutureWatcher<RenderedSound>* watcher = std::exchange(loading_, nullptr);
    watcher->deleteLater(); // it is the one signalling now
    start(watcher->result());
}

void SoundPlayer::start(const RenderedSound& sound) {
    if (sound.bytes.isEmpty()) {
        qWarning("SoundPlayer: the output device takes no usable sample format");
        return;
    }
    sink_ = new QAudioSink(sound.device, sound.format, this);
    auto* buffer = new QBuffer(sink_); // a child, so it outlives the sink's reading
    buffer->setData(sound.bytes);
    buffer->open(QIODevice::ReadOnly);
    connect(sink_, &QAudioSink::stateChanged, this, &SoundPlayer::onStateChanged);
    sink_->start(buffer);
    if (sink_->error() != QAudio::NoError) {
        qWarning("SoundPlayer: the sound server refused the sound (error %d)", int(sink_->error()));
        release();
    }
}

void SoundPlayer::onStateChanged(QAudio::State state) {
    if (state == QAudio::IdleState) {
        release(); // played to the end; the tail of silence is all that is left
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        qWarning("SoundPlayer: the sound server refused the sound (error %d)", int(sink_->error()));
        release();
    }
}
