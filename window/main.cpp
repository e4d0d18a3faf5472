// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/fonts.h"
#include "progress_library.h"
#include "running_copy.h"
#include "start_up_import.h"
#include "start_up_report.h"
#include "window/main_window.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wordbloom"));
    // Ties the window to the installed desktop entry (its icon and name in docks).
    QApplication::setDesktopFileName(QStringLiteral("example.wordbloom.Wordbloom"));
    wordbloom::installFontSubstitutions();

    wordbloom::SystemClock clock;
    wordbloom::SystemRandom random;
    std::filesystem::path folder;
    try {
        folder = wordbloom::workingFolder();
    } catch (const std::exception& error) {
        wordbloom::showStartUpReport(error, QString());
        return 1;
    }
    wordbloom::RunningCopy copy;
    if (!copy.claim(folder)) {
        return 1;
    }
    wordbloom::checkDataFileNames(wordbloom::WorkDir(folder), clock);
    wordbloom::MainWindow window(
        wordbloom::WorkDir(folder), clock, random,
        wordbloom::progressWindowFromLibrary(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/" WORDBLOOM_PROGRESS_LIBRARY)));
    try {
        window.startUp();
    } catch (const std::exception& error) {
        wordbloom::showStartUpReport(error, QString::fromStdString(folder.string()));
        return 1;
    }
    window.show();
    copy.bringForwardOnRequest(window);
    QCoreApplication::processEvents();
    if (const auto source = wordbloom::importArgument(QCoreApplication::arguments())) {
        window.importData(*source);
    }
    // For install checks and start-up timing: leave after the first event-loop turn.
    if (qEnvironmentVariableIsSet("WORDBLOOM_QUIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
