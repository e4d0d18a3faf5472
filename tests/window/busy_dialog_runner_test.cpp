// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "window/busy_dialog_runner.h"

#include <QApplication>
#include <QInputDevice>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTest>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using wordbloom::BusyDialogRunner;

namespace {

// Notes every progress dialog that shows, and its text.
class ProgressWatcher final : public QObject {
public:
    ProgressWatcher() { qApp->installEventFilter(this); }
    ~ProgressWatcher() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (const auto* dialog = qobject_cast<QProgressDialog*>(watched)) {
                shownText = dialog->labelText();
                shown = true;
            }
        }
        return false;
    }

    std::atomic<bool> shown = false;
    QString shownText;
};

bool anyProgressVisible() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QProgressDialog*>(widget) != nullptr && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

class BusyDialogRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void slowWorkShowsItsTextUntilItEnds() {
        QWidget window;
        window.show();
        BusyDialogRunner runner(&window, 50ms);
        ProgressWatcher watcher;
        int result = 0;
        runner.run("お題の履歴を読み込んでいます…", [&] {
            // Slow until the dialog has shown, with a bound in case it never does.
            const auto giveUp = std::chrono::steady_clock::now() + 5s;
            while (!watcher.shown && std::chrono::steady_clock::now() < giveUp) {
                std::this_thread::sleep_for(5ms);
            }
            result = 42;
        });
        QVERIFY(watcher.shown);
        QCOMPARE(watcher.shownText, QStringLiteral("お題の履歴を読み込んでいます…"));
        QCOMPARE(result, 42);
        QVERIFY(!anyProgressVisible());
    }

    void quickWorkShowsNothing() {
        QWidget window;
        window.show();
        BusyDialogRunner runner(&window);
        ProgressWatcher watcher;
        bool done = false;
        runner.run("履歴を読み込んでいます…", [&] { done = true; });
        QVERIFY(done);
        QTest::qWait(400); // past the delay: the dialog went with the work
        QVERIFY(!watcher.shown);
    }

    // Keys reach the program as the desktop sends them: queued, to be
    // handled when the window's thread next looks.
    void keysTypedDuringSlowWorkAreHandledAfterIt() {
        QLineEdit box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        // The keyboard device is made on first use, here on the window's thread.
        QInputDevice::primaryKeyboard();
        BusyDialogRunner runner(&box, 10s);
        QString textDuringWork;
        runner.run("…", [&] {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QWindowSystemInterface::handleKeyEvent<
                    QWindowSystemInterface::AsynchronousDelivery>(
                    box.windowHandle(), type, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            }
            // Long enough for the window's thread to have handled the key,
            // had it not held it back.
            std::this_thread::sleep_for(200ms);
            QMetaObject::invokeMethod(
                &box, [&] { textDuringWork = box.text(); }, Qt::BlockingQueuedConnection);
        });
        QCOMPARE(textDuringWork, QString());
        QCoreApplication::processEvents();
        QCOMPARE(box.text(), QStringLiteral("a"));
    }

    void startedWorkGoesOnWhileTheCallerDoes() {
        BusyDialogRunner runner(nullptr);
        std::atomic<bool> callerWent = false;
        bool sawCaller = false;
        const auto pending = runner.start("…", [&] {
            const auto giveUp = std::chrono::steady_clock::now() + 5s;
            while (!callerWent && std::chrono::steady_clock::now() < giveUp) {
                std::this_thread::sleep_for(1ms);
            }
            sawCaller = callerWent;
        });
        callerWent = true;
        pending->wait();
        QVERIFY(sawCaller);
    }

    void whatTheWorkThrowsComesBack() {
        BusyDialogRunner runner(nullptr);
        QVERIFY_THROWS_EXCEPTION(wordbloom::FileError, runner.run("…", [] {
            throw wordbloom::FileError(wordbloom::ErrorNumber::FileNotFound, "履歴.txt", "");
        }));
    }
};

QTEST_MAIN(BusyDialogRunnerTest)
#include "busy_dialog_runner_test.moc"
