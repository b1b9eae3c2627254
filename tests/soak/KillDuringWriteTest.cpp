#include "HostileFiles.h"
#include "core/DataFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int KillsPerPath = 120;
// A start takes some milliseconds and a write some more: kills spread over this window
// land in the start-up, in the temporary file's write and sync, in the backup and in the
// rename alike.
constexpr int LatestKillMs = 60;
const QRegularExpression Temporary(QStringLiteral("^\\..*\\.kvi\\.morvane-[A-Za-z0-9]{6}$"));

struct Tally {
    int temporariesSwept = 0;
    QMap<QByteArray, int> seen; // the first bytes of what was found, and how often
};

// Starts the writer with arguments, kills it at a random moment, and checks with
// acceptable what it left at path; then sweeps up as the program does at start-up.
void killRounds(const QStringList& arguments, const QString& path, const DataFolder& data,
                const std::function<bool(const QByteArray&)>& acceptable, Tally& tally) {
    for (int round = 0; round < KillsPerPath; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(MORVANE_ATOMIC_WRITER), arguments);
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(LatestKillMs));
        writer.kill();
        writer.waitForFinished();
        const QByteArray now = hostile::readAll(path);
        ASSERT_TRUE(acceptable(now)) << "round " << round << ": " << now.size() << " bytes";
        ++tally.seen[now.left(8)];
        const QStringList before = hostile::namesIn(data.folder()).filter(Temporary);
        datafile::removeStaleTemporaries(data);
        tally.temporariesSwept += int(before.size());
        ASSERT_TRUE(hostile::namesIn(data.folder()).filter(Temporary).isEmpty());
    }
}

} // namespace

TEST(KillDuringWrite, EveryKillLeavesTheOldOrTheNewFileNeverAPartOrNone) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    QDir().mkpath(data.folder());
    const QString path = data.path(datafile::Alarms);
    const QByteArray first(1 << 20, 'a');
    const QByteArray second(1 << 20, 'b');
    hostile::writeAll(path, first);
    Tally tally;
    killRounds(
        {path}, path, data, [&](const QByteArray& now) { return now == first || now == second; },
        tally);
    std::printf("plain writes: %d temporary files swept, %d distinct contents\n",
                tally.temporariesSwept, int(tally.seen.size()));
}

TEST(KillDuringWrite, EveryKillDuringARepairLeavesTheDamagedOrTheRepairedFile) {
    QTemporaryDir install;
    const DataFolder data(install.path());
    QDir().mkpath(data.folder());
    const QString path = data.path(datafile::Settings);
    const QByteArray repaired = datafile::deliveredDefault(datafile::Settings);
    hostile::writeAll(path, repaired);
    Tally tally;
    killRounds(
        {QStringLiteral("--repair"), install.path()}, path, data,
        [&](const QByteArray& now) { return now == "0,0,1\r\n" || now == repaired; }, tally);
    std::printf("repairs: %d temporary files swept, %d distinct contents\n", tally.temporariesSwept,
                int(tally.seen.size()));
}
