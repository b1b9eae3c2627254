// Context for the start-up floor: the bare window with one line of Japanese text, so that
// the cost of starting the font system shows apart from the program's own work.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("2002年7月15日(月) 15:07"));
    window.setFont(QFont(QStringLiteral("IPAGothic")));
    window.setWindowTitle(QStringLiteral("MorvaneBareTextWindow"));
    window.resize(251, 69);
    window.show();
    return app.exec();
}
