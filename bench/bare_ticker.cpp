// The idle floor: a window whose label shows the time, refreshed as often as the clock's.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("MorvaneBareTicker"));
    label.resize(251, 69);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout,
                     [&label] { label.setText(QTime::currentTime().toString()); });
    timer.start(250);
    label.show();
    return app.exec();
}
