#pragma once

#include "platform/linux/SoundOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

class QAudioSink;
template <typename T> class QFutureWatcher;

namespace wave {
struct Pcm;
}

// A sound ready for its device: the samples in the format the device takes.
struct RenderedSound {
    QAudioDevice device;
    QAudioFormat format;
    QByteArray bytes; // empty when the device takes no usable format
};

// Plays alert sounds on the desktop's default output through the sound server. One sound
// at a time: a new one cuts off the one before.
class SoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the WAVE file and returns at once; a file that is missing or cannot be
    // played gives the built-in chime instead, so that an alert is never silent. The file
    // is read on a thread of its own and plays once it is ready, unless play() or stop()
    // has been called again meanwhile.
    void play(const QString& path) override;
    void stop() override;

private:
    void onLoaded();
    void start(const RenderedSound& sound);
    void release();
    void onStateChanged(QAudio::State state);

    QThreadPool loader_;
    // The number of the latest request, shared with the loads so that older ones give up.
    std::shared_ptr<std::atomic<quint64>> latest_ = std::make_shared<std::atomic<quint64>>(0);
    QFutureWatcher<RenderedSound>* loading_ = nullptr;
    QAudioSink* sink_ = nullptr; // owns the buffer it reads from
};
