// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game per data folder, within one process: each RunningCopy
// stands for a copy of the game. The real program started twice is in
// real_program_test.cpp.
#include "message_boxes.h"
#include "support/temp_dir.h"
#include "window/doorbell.h"
#include "window/running_copy.h"

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <sys/stat.h>

using wordbloom::RunningCopy;
using wordbloom::testing::answerNextBox;
using wordbloom::testing::TempDir;

class RunningCopyTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondCopyStepsAsideAndBringsTheFirstForward() {
        const TempDir temp;
        const std::filesystem::path folder = temp.path() / "data";
        const std::filesystem::path link = temp.path() / "link";
        std::filesystem::create_directory(folder);
        std::filesystem::create_directory_symlink(folder, link);

        QWidget game;
        QWidget other;
        RunningCopy first;
        QVERIFY(first.claim(folder));
        game.show();
        first.bringForwardOnRequest(game);
        game.showMinimized();

        // Another path to the same folder is the same folder.
        RunningCopy second;
        const auto box = answerNextBox(QMessageBox::Ok);
        QVERIFY(!second.claim(link));
        QVERIFY(box->text.contains(QString::fromStdString(link.string())));
        QTRY_VERIFY(!game.isMinimized());

        // A ring activates the window, with the token that lets a Wayland
        // desktop give it the focus.
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        qunsetenv("XDG_ACTIVATION_TOKEN");
        struct stat info {};
        QCOMPARE(::stat(link.c_str(), &info), 0);
        QVERIFY(wordbloom::ringDoorbell({info.st_dev, info.st_ino}, "token-of-the-click"));
        QTRY_VERIFY(game.isActiveWindow());
        QCOMPARE(qgetenv("XDG_ACTIVATION_TOKEN"), QByteArray("token-of-the-click"));
    }
};

QTEST_MAIN(RunningCopyTest)
#include "running_copy_test.moc"
