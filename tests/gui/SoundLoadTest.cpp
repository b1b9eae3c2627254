#include "Harness.h"
#include "Polling.h"

#include <QFile>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

// RIFF WAVE, mono, 16 bits at 44.1 kHz, with 64 MiB of samples: a hole read as silence.
const QByteArray
    HugeSoundHeader("RIFF\x24\0\0\x04WAVEfmt \x10\0\0\0\1\0\1\0\x44\xac\0\0\x88\x58\x01\0"
                    "\2\0\x10\0data\0\0\0\x04",
                    44);
constexpr qint64 HugeSoundBytes = 64LL * 1024 * 1024;

// A private sound server with a null sink, so that the real sound module has a device.
struct SoundServer {
    QTemporaryDir folder;
    QProcess server;
    QString socket = folder.filePath(QStringLiteral("native"));

    SoundServer() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        server.setProcessEnvironment(environment);
        server.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--load=module-null-sink"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                 socket});
        qputenv("PULSE_SERVER", "unix:" + socket.toUtf8());
    }
    ~SoundServer() {
        server.kill();
        server.waitForFinished();
    }
    bool playing() const {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    QProcess::splitCommand(QStringLiteral("list short sink-inputs")));
        return pactl.waitForFinished() && !pactl.readAllStandardOutput().trimmed().isEmpty();
    }
};

} // namespace

TEST(SoundLoad, TheWindowAnswersWhileAHugeAlarmSoundLoadsAndThenItPlays) {
    SoundServer sound;
    ASSERT_TRUE(eventually([&] { return QFile::exists(sound.socket); }, "the sound server"));
    Harness h;
    QFile huge(h.folder.filePath(QStringLiteral("huge.wav")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write(HugeSoundHeader) &&
                huge.resize(HugeSoundHeader.size() + HugeSoundBytes));
    QStringList table(48, QStringLiteral("\"設定なし\""));
    table[15] = u'"' + huge.fileName() + u'"'; // 7:30
    h.setFile(QStringLiteral("alarmset.kvi"), cp932Lines(table));
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,0,\"off\",24,0,0,1,1")}));
    const std::unique_ptr<Platform> real = createPlatform();
    std::optional<bool> playingAtFirstAnswer;
    h.platform.whilePlaying = [&] {
        real->playSound(huge.fileName());
        // The sound starts on this thread: if the load let it go, this runs first.
        QTimer::singleShot(0, [&] { playingAtFirstAnswer = sound.playing(); });
    };
    h.clock.set(7, 29, 59);
    h.start();
    int ticks = 0;
    QObject::connect(h.form1().Timer1, &QTimer::timeout, [&ticks] { ++ticks; });
    ASSERT_TRUE(eventually([&] { return ticks >= 2; }, "the clock to see minute 29"));

    h.clock.set(7, 30);
    ASSERT_TRUE(eventually([&] { return playingAtFirstAnswer.has_value(); }, "the 7:30 alarm"));
    EXPECT_FALSE(*playingAtFirstAnswer) << "the window waited for the sound to load";
    ASSERT_TRUE(eventually([&] { return sound.playing(); }, "the sound to reach the server"));
    real->stopSound();
}
