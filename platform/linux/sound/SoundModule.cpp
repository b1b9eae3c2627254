// The entry point of the sound module.
#include "SoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundOutput* morvane_create_sound_output() {
    return new SoundPlayer();
}
