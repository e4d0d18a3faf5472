// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the progress window (成績) on made-up weeks of play, to the picture
// file named on the command line: the topic's page, or with "--all", the page
// of all topics. script/screenshot runs it offscreen for the README and the
// help page.

#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "window/fonts.h"
#include "window/progress_window.h"
#include "window_session.h"

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QTabWidget>
#include <cstdio>
#include <iostream>
#include <set>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

const char* const kTopic = "一番食べたいもの";

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Forty games of the topic over ten weeks, the player finding a few new
// answers each time, and games of three other topics between them.
void writeWeeksOfPlay(TempDir& folder) {
    std::string history;
    std::string log;
    std::set<int> known;
    unsigned seed = 7;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245U + 12345U;
        return static_cast<int>((seed >> 16) % range);
    };
    const char* others[] = {"好きな色", "夏の思い出", "駅の名前"};
    for (int game = 0; game < 40; ++game) {
        const QDate day = QDate(2024, 1, 8).addDays(game * 70 / 40);
        const std::string date = day.toString(QStringLiteral("yyyy/MM/dd")).toStdString();
        const std::string time = twoDigits(19 + game % 4) + ":00:00";
        int fresh = 0;
        int again = 0;
        int twice = 0;
        const int answers = 8 + game / 4 + next(5);
        for (int answer = 0; answer < answers; ++answer) {
            const int word = next(static_cast<unsigned>(30 + game * 3));
            if (known.insert(word).second) {
                ++fresh;
            } else if (next(6) == 0) {
                ++twice;
            } else {
                ++again;
            }
            log += AnswerLogFormat::line({date, time, "001", "答" + std::to_string(word)});
            log += "\r\n";
        }
        const auto count = [](int value) { return static_cast<std::int16_t>(value); };
        history += PlayRecordFormat::line(
            toPlayRecord({date, time, kTopic, count(fresh), count(again), count(twice),
                          count((fresh + again + twice) * 3), 60}));
        history += "\r\n";
        for (int extra = 0; extra <= game % 3; ++extra) {
            history += PlayRecordFormat::line(
                toPlayRecord({date, "18:00:00", others[game % 3], 3, 2, 1, 18, 60}));
            history += "\r\n";
        }
    }
    folder.write("履歴.txt", cp932(history));
    folder.write(std::string(kTopic) + "_履歴.txt", cp932(log));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool allTopics = argc == 3 && std::string(argv[1]) == "--all";
    if (argc != 2 && !allTopics) {
        std::cerr << "usage: progress_screenshot [--all] <picture.png>\n";
        return 2;
    }
    installFontSubstitutions();
    Session session;
    writeWeeksOfPlay(session.folder);
    FrmMain& window = session.open();
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    auto* progress = window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
    progress->findChild<QTabWidget*>()->setCurrentIndex(allTopics ? 1 : 0);
    QCoreApplication::processEvents();
    const QString file = QString::fromLocal8Bit(argv[argc - 1]);
    if (!progress->grab().toImage().save(file)) {
        std::cerr << "cannot write " << argv[argc - 1] << "\n";
        return 1;
    }
    return 0;
}
