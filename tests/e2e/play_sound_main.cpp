// Plays one file through SoundPlayer, for the end-to-end sound check:
//   play_sound_main PATH [STOP_AFTER_MS]
#include "platform/linux/sound/SoundPlayer.h"

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
    const int stopAfter = args.size() > 2 ? args[2].toInt(&stopValid) : -1;
    if (args.size() < 2 || args.size() > 3 || !stopValid) {
        std::fprintf(stderr, "usage: play_sound_main PATH [STOP_AFTER_MS]\n");
        return kUsageError;
    }
    SoundPlayer player;
    player.play(args[1]);
    if (stopAfter >= 0)
        QTimer::singleShot(stopAfter, &player, &SoundPlayer::stop);
    QTimer::singleShot(kRunMilliseconds, &app, &QCoreApplication::quit);
    return app.exec();
}
