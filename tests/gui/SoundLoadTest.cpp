#include "Harness.h"
#include "Polling.h"

#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace {

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
            {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("-n"), QStringLiteral("--load=module-null-sink"),
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
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                              QStringLiteral("sink-inputs")});
        return pactl.waitForFinished() && !pactl.readAllStandardOutput().trimmed().isEmpty();
    }
};

// A mono 16-bit WAVE header; the samples are a hole in the file, read as silence.
void writeHugeSound(const QString& path) {
    QByteArray header("RIFF....WAVEfmt ....\1\0\1\0........\2\0\x10\0data....", 44);
    const auto put = [&header](int at, quint32 value) {
        qToLittleEndian(value, header.data() + at);
    };
    put(4, quint32(HugeSoundBytes + 36));
    put(16, 16);
    put(24, 44100);
    put(28, 88200);
    put(40, quint32(HugeSoundBytes));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    ASSERT_TRUE(file.resize(header.size() + HugeSoundBytes));
}

} // namespace

TEST(SoundLoad, TheWindowAnswersWhileAHugeAlarmSoundLoadsAndThenItPlays) {
    SoundServer sound;
    ASSERT_TRUE(eventually([&] { return QFile::exists(sound.socket); }, "the sound server"));
    Harness h;
    const QString path = h.folder.filePath(QStringLiteral("huge.wav"));
    writeHugeSound(path);
    QStringList table(48, QStringLiteral("\"設定なし\""));
    table[15] = u'"' + path + u'"'; // 7:30
    h.setFile(QStringLiteral("alarmset.kvi"), cp932Lines(table));
    h.setFile(QStringLiteral("St.kvi"), cp932Lines({QStringLiteral("0,0,0,\"off\",24,0,0,1,1")}));
    const std::unique_ptr<Platform> real = createPlatform();
    std::optional<bool> playingAtFirstAnswer;
    h.platform.whilePlaying = [&] {
        real->playSound(path);
        // The sound can only start on this thread: what runs first tells whether the load
        // kept the thread.
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
