// A search over 100,000 files in one folder, timed from the click of "検索開始" to the
// count line being set, against `find DIR -maxdepth 1 -type f -iname PATTERN` on the same
// folder in the same run. Prints the medians and their ratio; exits 1 above the limit.
#include "Harness.h"
#include "TestApplication.h"
#include "functionscreen/SearchPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Files = 100000;
constexpr int OnePercent = Files / 100;
constexpr int Runs = 7;
constexpr double Limit = 1.2;

void fillFolder(const QString& folder) {
    for (int i = 0; i < Files; ++i) {
        const char* extension = i % (Files / OnePercent) == 0 ? "txt" : "dat";
        QFile(QStringLiteral("%1/f%2.%3")
                  .arg(folder)
                  .arg(i, 6, 10, QChar(u'0'))
                  .arg(QLatin1String(extension)))
            .open(QIODevice::WriteOnly);
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeSearch(SearchPage& page, const QString& folder, const QString& pattern) {
    page.Text4->setText(pattern);
    page.Text5->setText(folder);
    page.Label67->clear();
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(page.Command16, Qt::LeftButton);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (page.Label67->text().isEmpty())
        std::fprintf(stderr, "the count line was not set\n");
    QApplication::processEvents(); // the repaint after the search, not timed
    return ms;
}

double timeFind(const QString& folder, const QString& pattern) {
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    find.start(QStringLiteral("find"),
               {folder, QStringLiteral("-maxdepth"), QStringLiteral("1"), QStringLiteral("-type"),
                QStringLiteral("f"), QStringLiteral("-iname"), pattern});
    find.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    testapp::useOffscreenPlatform();
    QApplication app(argc, argv);
    testapp::speakJapanese(app);
    QTemporaryDir folder;
    fillFolder(folder.path());

    Harness harness;
    harness.setFile(QStringLiteral("St.kvi"),
                    cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    harness.start().kvDir->trigger();
    SearchPage& page = *harness.form2().Picture6;

    bool missed = false;
    std::printf(
        "| pattern | Morvane ms | find ms | ratio | limit |\n| --- | --- | --- | --- | --- |\n");
    for (const QString& pattern : {QStringLiteral("*.*"), QStringLiteral("*.txt")}) {
        std::vector<double> ours, floor;
        for (int run = 0; run < Runs; ++run) {
            ours.push_back(timeSearch(page, folder.path(), pattern));
            floor.push_back(timeFind(folder.path(), pattern));
        }
        const double ratio = median(ours) / median(floor);
        missed = missed || ratio > Limit;
        std::printf("| %s | %.1f | %.1f | %.2f | %.1f |\n", qPrintable(pattern), median(ours),
                    median(floor), ratio, Limit);
    }
    return missed ? 1 : 0;
}
