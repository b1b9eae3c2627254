#pragma once

#include <QString>

// The sound service as the program sees it. It lives in a module of its own, loaded at the
// first sound, so that starting the clock does not pay for the media libraries.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts playing a WAVE file and returns at once; a sound still playing stops.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// The one symbol the module exports.
#define MORVANE_SOUND_FACTORY "morvane_create_sound_output"
using SoundOutputFactory = SoundOutput* (*)();
