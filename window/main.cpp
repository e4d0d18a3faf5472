#include "fonts.h"
#include "frm_main.h"
#include "start_up_report.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wordbloom"));
    wordbloom::installFontSubstitutions();

    wordbloom::SystemClock clock;
    wordbloom::SystemRandom random;
    const std::filesystem::path folder = std::filesystem::current_path();
    wordbloom::FrmMain window(wordbloom::WorkDir(folder), clock, random);
    try {
        window.startUp();
    } catch (const std::exception& error) {
        wordbloom::showStartUpReport(error, QString::fromStdString(folder.string()));
        return 1;
    }
    window.show();
    QCoreApplication::processEvents();
    // For measuring start-up: WORDBLOOM_QUIT_AFTER_SHOW=1 ends the program at
    // the first turn of its event loop.
    if (qEnvironmentVariable("WORDBLOOM_QUIT_AFTER_SHOW") == QStringLiteral("1")) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
