// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the progress window (成績) on made-up weeks of play, to the picture
// file named on the command line: the topic's page, with "--all" the page of
// all topics, or with "--game" the topic's latest game looked at closely.
// script/screenshot runs it offscreen for the README and the help page.

#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "look/fonts.h"
#include "progress/progress_window.h"
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

// An answer that reads like one: a food, plain or in a dish.
std::string foodWord(int word) {
    static const char* const foods[] = {
        "すし",       "ラーメン",   "カレー",   "うどん",       "そば",       "天ぷら",
        "焼き鳥",     "ぎょうざ",   "たこ焼き", "お好み焼き",   "からあげ",   "とんかつ",
        "オムライス", "ハンバーグ", "ピザ",     "パスタ",       "ステーキ",   "やきそば",
        "肉じゃが",   "おでん",     "すき焼き", "しゃぶしゃぶ", "親子丼",     "牛丼",
        "うなぎ",     "さしみ",     "みそ汁",   "おにぎり",     "たまご焼き", "コロッケ"};
    static const char* const dishes[] = {"", "定食", "弁当", "セット", "の大盛り"};
    const auto index = static_cast<std::size_t>(word);
    return std::string(foods[index % std::size(foods)]) +
           dishes[index / std::size(foods) % std::size(dishes)];
}

// Forty games of the topic over ten weeks, the player finding a few new
// answers each time, and games of three other topics between them.
void writeWeeksOfPlay(TempDir& folder) {
    std::string history;
    std::string log;
    std::set<int> known;
    std::set<int> thisGame;
    unsigned seed = 7;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245U + 12345U;
        return static_cast<int>((seed >> 16) % range);
    };
    const char* others[] = {"好きな色", "夏の思い出", "駅の名前"};
    for (int game = 0; game < 40; ++game) {
        const QDate day = QDate(2024, 1, 8).addDays(game * 70 / 40);
        const std::string date = day.toString(QStringLiteral("yyyy/MM/dd")).toStdString();
        const int hour = 19 + game % 4;
        int second = 2 + next(4);
        thisGame.clear();
        int fresh = 0;
        int again = 0;
        int twice = 0;
        const int answers = 8 + game / 4 + next(5);
        for (int answer = 0; answer < answers; ++answer) {
            const int word = next(static_cast<unsigned>(30 + game * 3));
            if (!thisGame.insert(word).second) {
                ++twice;
            } else if (known.insert(word).second) {
                ++fresh;
            } else {
                ++again;
            }
            const std::string time =
                twoDigits(hour) + ":" + twoDigits(second / 60) + ":" + twoDigits(second % 60);
            log += AnswerLogFormat::line({date, time, "001", foodWord(word)});
            log += "\r\n";
            second += 1 + next(4);
        }
        const auto count = [](int value) { return static_cast<std::int16_t>(value); };
        history += PlayRecordFormat::line(
            toPlayRecord({date, twoDigits(hour) + ":01:05", kTopic, count(fresh), count(again),
                          count(twice), count((fresh + again + twice) * 3), 60}));
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
    const std::string page = argc == 3 ? argv[1] : "";
    if (argc < 2 || argc > 3 || (argc == 3 && page != "--all" && page != "--game")) {
        std::cerr << "usage: progress_screenshot [--all | --game] <picture.png>\n";
        return 2;
    }
    installFontSubstitutions();
    Session session;
    writeWeeksOfPlay(session.folder);
    // Today is the day after the last game, so that its streak is current.
    session.clock.advance(std::int64_t{24} * 60 * 60 * 62);
    MainWindow& window = session.open();
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    auto* progress = window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
    progress->findChild<QTabWidget*>()->setCurrentIndex(page == "--all"    ? 1
                                                        : page == "--game" ? 2
                                                                           : 0);
    QCoreApplication::processEvents();
    const QString file = QString::fromLocal8Bit(argv[argc - 1]);
    if (!progress->grab().toImage().save(file)) {
        std::cerr << "cannot write " << argv[argc - 1] << "\n";
        return 1;
    }
    return 0;
}
