// The toolkit's floor for start-up: an empty Qt window of the game window's
// size, shown and closed at the first turn of the event loop, built the same
// way as the game.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Wordbloom"));
    window.setFixedSize(631, 452);
    window.show();
    QCoreApplication::processEvents();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
