// The start-up floor: a Qt widgets program that only shows an empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("MorvaneBareWindow"));
    // About the clock window's size, so that both back their pixels alike.
    window.resize(251, 69);
    window.show();
    return app.exec();
}
