// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes.h"
#include "support/temp_dir.h"
#include "window/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

namespace wordbloom::testing {

// Starts the real window on a data folder, with a clock the test moves.
struct Session {
    // The window's two one-second timers: the countdown's and the play clock's.
    static constexpr const char* kTimers[] = {"tmrStart", "tmrBp"};

    TempDir folder;
    FakeClock clock{{2024, 1, 15, 9, 0, 0}};
    FakeRandom random;
    std::unique_ptr<MainWindow> window;

    explicit Session(const std::string& topics = cp932("一番食べたいもの\r\n好きな色\r\n"),
                     const std::string& settings = "60,0\r\n") {
        folder.write("設定.txt", settings);
        folder.write("題目.txt", topics);
        folder.write("履歴.txt", "");
    }
    MainWindow& open() { return open(random); }
    // Opens the window with a random source of the test's own.
    MainWindow& open(RandomSource& source) {
        window = std::make_unique<MainWindow>(WorkDir(folder.path()), clock, source,
                                              makeProgressWindow);
        // Every tick comes from the test: the window's own one-second timers
        // would add ticks at moments no test chooses.
        for (const char* timer : kTimers) {
            find<QTimer>(timer)->stop();
        }
        window->startUp();
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    template <typename T = QWidget> T* find(const char* name) const {
        auto* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }
    void click(const char* name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void tick(int seconds = 1) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            for (const char* timer : kTimers) {
                QMetaObject::invokeMethod(find<QTimer>(timer), "timeout");
            }
        }
    }
    void type(const QString& text) const {
        auto* box = find("txtKaitou");
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
    }
    void enter() const { QTest::keyClick(find("txtKaitou"), Qt::Key_Return); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
};

} // namespace wordbloom::testing
