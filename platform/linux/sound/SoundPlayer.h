#pragma once

#include "platform/linux/SoundOutput.h"

#include <QAudio>
#include <QObject>
#include <QString>

class QAudioSink;

namespace wave {
struct Pcm;
}

// Plays alert sounds on the desktop's default output through the sound server. One sound
// at a time: a new one cuts off the one before.
class SoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the WAVE file and returns at once; a file that is missing or cannot be
    // played gives the built-in chime instead, so that an alert is never silent.
    void play(const QString& path) override;
    void stop() override;

private:
    void start(const wave::Pcm& pcm);
    void release();
    void onStateChanged(QAudio::State state);

    QAudioSink* sink_ = nullptr; // owns the buffer it reads from
};
