// Plays one file through SoundPlayer, for the end-to-end sound check:
//   play_sound_main PATH [STOP_AFTER_MS [RUN_MS]]
// A negative STOP_AFTER_MS lets the sound play on.
#include "platform/linux/sound/SoundPlayer.h"

#include <QAudioSink>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

// Long enough for the chime and for the short test tones to be heard to the end.
constexpr int kRunMilliseconds = 1500;
constexpr int kUsageError = 2;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool stopValid = true;
    bool runValid = true;
    const int stopAfter = args.size() > 2 ? args[2].toInt(&stopValid) : -1;
    const int run = args.size() > 3 ? args[3].toInt(&runValid) : kRunMilliseconds;
    if (args.size() < 2 || args.size() > 4 || !stopValid || !runValid) {
        std::fprintf(stderr, "usage: play_sound_main PATH [STOP_AFTER_MS [RUN_MS]]\n");
        return kUsageError;
    }
    SoundPlayer player;
    player.play(args[1]);
    // The sound starts on this thread: what runs first tells whether the load kept it.
    QTimer::singleShot(0, &player, [&player] {
        std::printf("answered %s loading\n", player.findChild<QAudioSink*>() ? "after" : "while");
    });
    if (stopAfter >= 0)
        QTimer::singleShot(stopAfter, &player, &SoundPlayer::stop);
    QTimer::singleShot(run, &app, &QCoreApplication::quit);
    return app.exec();
}
