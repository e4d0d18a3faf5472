// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window as the program gets it: from its own library, loaded
// when the window first opens.
#include "window/progress_library.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>
#include <stdexcept>

using wordbloom::progressWindowFromLibrary;

class ProgressLibraryTest final : public QObject {
    Q_OBJECT
private slots:
    void theLibraryMakesTheWindowOwnedByTheMainWindow() {
        auto mainWindow = std::make_unique<QWidget>();
        const auto make = progressWindowFromLibrary(QStringLiteral(WORDBLOOM_PROGRESS_MODULE));
        wordbloom::ProgressView* progress = make(mainWindow.get(), {});
        QVERIFY(progress != nullptr);
        const wordbloom::TopicProgress topic;
        const wordbloom::OverallProgress overall;
        progress->showProgress("好きな色", topic, overall);

        QPointer<QWidget> window =
            mainWindow->findChild<QWidget*>(QStringLiteral("progressWindow"));
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        bool topicShown = false;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            topicShown = topicShown || label->text() == QStringLiteral("好きな色");
        }
        QVERIFY(topicShown);
        mainWindow.reset();
        QVERIFY(window.isNull());
    }

    void aLibraryThatCannotBeLoadedIsNamedInTheError() {
        const QString missing = QStringLiteral("/nonexistent/progress_window.so");
        QWidget mainWindow;
        try {
            progressWindowFromLibrary(missing)(&mainWindow, {});
            QFAIL("made a window without its library");
        } catch (const std::runtime_error& error) {
            QVERIFY2(QString::fromStdString(error.what()).contains(missing), error.what());
        }
        QVERIFY(mainWindow.findChildren<QWidget*>().isEmpty());
    }
};

QTEST_MAIN(ProgressLibraryTest)
#include "progress_library_test.moc"
