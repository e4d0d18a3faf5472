// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's closer looks, driven as a player drives them: a game
// chosen on the games chart by mouse and keys or in the game page's list, the
// calendar of days played by keys, the favourite answers.

#include "widgets/shown_text.h"
#include "progress/calendar_panel.h"
#include "progress/play_calendar_view.h"
#include "progress/progress_window.h"
#include "window_session.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

namespace wordbloom::testing {
namespace {

std::string logLine(const char* date, const char* time, const char* game,
                    const std::string& answer) {
    return "\"" + std::string(date) + "\",\"" + time + "\",\"" + game + "\",\"" + answer + "\"\r\n";
}

std::string savedGame(const char* date, const char* time, int newAnswers, int existing, int twice) {
    const int total = newAnswers + existing + twice;
    return "\"" + std::string(date) + "\",\"" + time + "\",\"一番食べたいもの\"," +
           std::to_string(total) + "," + std::to_string(newAnswers) + "," +
           std::to_string(existing) + "," + std::to_string(twice) + ",6,\"0.10/秒\",\"60秒\"\r\n";
}

ProgressWindow* openProgress(Session& session) {
    MainWindow& window = session.open();
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    return window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
}

template <typename T> T* in(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no %s", name);
    }
    return found;
}

QString summary(QWidget* window) {
    return in<QLabel>(window, "progressGameSummary")->text();
}

QString cell(QWidget* window, int row, int column) {
    const QAbstractItemModel* answers = in<QTableView>(window, "progressGameAnswers")->model();
    return answers->index(row, column).data().toString();
}

QString accessibleDescription(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

} // namespace

class ProgressInsightsTest : public QObject {
    Q_OBJECT
private slots:
    void aGameIsChosenOnTheChartOrInTheListAndLookedAtClosely() {
        Session session;
        const std::string huge(3000, 'x');
        session.folder.write("一番食べたいもの_履歴.txt",
                             cp932(logLine("2024/01/14", "08:00:00", "000", "すし") +
                                   logLine("2024/01/14", "09:00:00", "001", "すし") +
                                   logLine("2024/01/14", "09:00:03", "001", "そば") +
                                   logLine("2024/01/14", "09:00:12", "001", "すし") +
                                   logLine("2024/01/14", "10:00:00", "002", huge) +
                                   logLine("2024/01/14", "10:00:05", "002", "すし")));
        session.folder.write("履歴.txt", cp932(savedGame("2024/01/14", "09:01:05", 1, 1, 1) +
                                               savedGame("2024/01/14", "10:01:05", 1, 1, 0)));
        ProgressWindow* progress = openProgress(session);

        // The latest game is on its page from the start; a huge answer is cut.
        QVERIFY(summary(progress).startsWith(QStringLiteral("2024/01/14 の 2 ゲーム目")));
        QCOMPARE(cell(progress, 0, 1), QStringLiteral("新"));
        QCOMPARE(cell(progress, 0, 2), QString(60, QLatin1Char('x')) + QStringLiteral("…"));

        // A click on the first bar, under the mark of the most 新.
        auto* chart = in<QChartView>(progress, "progressGames");
        auto* bars = qobject_cast<QStackedBarSeries*>(chart->chart()->series().first());
        QCoreApplication::processEvents(); // the chart lays its bars out
        const QPointF onBar = chart->chart()->mapToPosition(QPointF(0, 0.5), bars);
        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {},
                          chart->mapFromScene(chart->chart()->mapToScene(onBar)));
        auto* tabs = progress->findChild<QTabWidget*>();
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("progressGamePage"));
        QVERIFY(summary(progress).startsWith(QStringLiteral("2024/01/14 の 1 ゲーム目")));
        QVERIFY(summary(progress).contains(QStringLiteral("履歴.txt に保存: 2024/01/14 09:01:05")));
        const QStringList kinds{cell(progress, 0, 1), cell(progress, 1, 1), cell(progress, 2, 1)};
        QCOMPARE(kinds, (QStringList{"既", "新", "重"}));
        QCOMPARE(in<QLabel>(progress, "progressRecalled")->text(),
                 QStringLiteral("覚えていた 1 のうち 1 を思い出した"));

        // By keys on the chart: the highlight moves and Enter chooses.
        QTest::keyClick(chart, Qt::Key_End);
        QVERIFY(accessibleDescription(chart).contains(QStringLiteral("2 ゲーム目")));
        QTest::keyClick(chart, Qt::Key_Left);
        QVERIFY(accessibleDescription(chart).contains(QStringLiteral("1 ゲーム目")));
        in<QComboBox>(progress, "progressGameChoice")->setCurrentIndex(2);
        QTest::keyClick(chart, Qt::Key_Return);
        QVERIFY(summary(progress).startsWith(QStringLiteral("2024/01/14 の 1 ゲーム目")));

        // The answers before any game, never saved, from the page's list.
        QTest::keyClick(in<QComboBox>(progress, "progressGameChoice"), Qt::Key_Home);
        QVERIFY(summary(progress).startsWith(QStringLiteral("2024/01/14 のゲーム前の回答")));
        QVERIFY(summary(progress).endsWith(QStringLiteral("履歴.txt には保存されていません")));

        // The favourite answers, most at the top, and the counts beside them.
        auto* favourites = qobject_cast<QHorizontalBarSeries*>(
            in<QChartView>(progress, "progressFavourites")->chart()->series().first());
        const QBarSet* times = favourites->barSets().first();
        QCOMPARE(times->count(), 3);
        QCOMPARE(times->at(2), 4.0);
        QCOMPARE(in<QLabel>(progress, "progressAnswerCounts")->text(),
                 QStringLiteral("回答 6 のうち、ちがう回答 3"));
        QVERIFY(accessibleDescription(in<QChartView>(progress, "progressFavourites"))
                    .contains(QStringLiteral("1. すし 4 回、2. そば 1 回")));
    }

    void keysOnTheGamesChartPageThroughManyGames() {
        Session session;
        std::string history;
        for (int minute = 0; minute < 60; ++minute) {
            const std::string time =
                "10:" + std::string(minute < 10 ? "0" : "") + std::to_string(minute) + ":00";
            history += savedGame("2024/01/14", time.c_str(), 1, 0, 0);
        }
        session.folder.write("履歴.txt", cp932(history));
        ProgressWindow* progress = openProgress(session);
        auto* chart = in<QChartView>(progress, "progressGames");
        QCOMPARE(progress->gamesScrollBar()->value(), 10);
        QTest::keyClick(chart, Qt::Key_Home);
        QCOMPARE(progress->gamesScrollBar()->value(), 0);
        QVERIFY(accessibleDescription(chart).contains(
            QStringLiteral("1 ゲーム目、2024/01/14 10:00:00")));
        for (int step = 0; step < 50; ++step) {
            QTest::keyClick(chart, Qt::Key_Right);
        }
        QCOMPARE(progress->gamesScrollBar()->value(), 1); // game 51 is the page's last
        QTest::keyClick(chart, Qt::Key_Space);            // saved, but the log has no game for it
        QVERIFY(summary(progress).contains(QStringLiteral("お題の履歴に回答がありません")));
    }

    void answersAlikeInTheirFirstCharactersKeepABarEach() {
        Session session;
        const std::string start = cp932("ながいながいながいながいながい名前の");
        session.folder.write("一番食べたいもの_履歴.txt",
                             logLine("2024/01/14", "09:00:00", "001", start + "A") +
                                 logLine("2024/01/14", "09:00:01", "001", start + "A") +
                                 logLine("2024/01/14", "09:00:02", "001", start + "B"));
        ProgressWindow* progress = openProgress(session);
        QChart* chart = in<QChartView>(progress, "progressFavourites")->chart();
        const auto* answers = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).first());
        QCOMPARE(answers->count(), 2);
        QVERIFY(answers->at(0) != answers->at(1));
        const auto* times = qobject_cast<QHorizontalBarSeries*>(chart->series().first());
        QCOMPARE(times->barSets().first()->at(1), 2.0); // the top bar: given twice
    }

    void longTextsAreCutAtACharacterBoundary_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << QStringLiteral("すし") << QStringLiteral("すし");
        QTest::newRow("exactly four") << QStringLiteral("すし定食") << QStringLiteral("すし定食");
        QTest::newRow("five") << QStringLiteral("すし定食A") << QStringLiteral("すし定食…");
        QTest::newRow("four-byte") << QStringLiteral("𠮷野家の牛丼") << QStringLiteral("𠮷野家の…");
        QTest::newRow("empty") << QString() << QString();
    }
    void longTextsAreCutAtACharacterBoundary() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(shownStart(text.toStdString(), 4), shown);
    }

    void theCalendarReadsEachDayByKeysAndPagesBackAYear() {
        Session session; // today is 2024/01/15
        std::string history;
        for (const char* date :
             {"2023/12/30", "2023/12/31", "2024/01/01", "2024/01/13", "2024/01/14", "2024/01/14"}) {
            history += savedGame(date, "12:00:00", 1, 0, 0);
        }
        session.folder.write("履歴.txt", cp932(history));
        ProgressWindow* progress = openProgress(session);
        QCOMPARE(in<QLabel>(progress, "progressStreaks")->text(),
                 QStringLiteral("いまの連続: 2 日（2024/01/13〜2024/01/14）　"
                                "最長の連続: 3 日（2023/12/30〜2024/01/01）"));

        auto* calendar = in<PlayCalendarView>(progress, "progressCalendar");
        QVERIFY(accessibleDescription(calendar).startsWith(
            QStringLiteral("2024/01/14（日）2 ゲーム。2024 年: 遊んだ日 3 日、ゲーム 4。")));
        QTest::keyClick(calendar, Qt::Key_Up);
        QVERIFY(
            accessibleDescription(calendar).startsWith(QStringLiteral("2024/01/13（土）1 ゲーム")));
        QTest::keyClick(calendar, Qt::Key_Left); // a week back, across the new year
        QTest::keyClick(calendar, Qt::Key_Left);
        QVERIFY(
            accessibleDescription(calendar).startsWith(QStringLiteral("2023/12/30（土）1 ゲーム")));
        QCOMPARE(in<QLabel>(progress, "progressCalendarYear")->text(), QStringLiteral("2023 年"));
        QVERIFY(!in<QWidget>(progress, "progressCalendarEarlier")->isEnabled());
        QTest::mouseClick(in<QWidget>(progress, "progressCalendarLater"), Qt::LeftButton);
        QVERIFY(accessibleDescription(calendar).startsWith(
            QStringLiteral("2024/12/29（日）ゲームなし")));

        const QPoint onDay = calendar->dayRect(calendar->focusedDay() - 2).center();
        QHelpEvent tip(QEvent::ToolTip, onDay, calendar->mapToGlobal(onDay));
        QApplication::sendEvent(calendar, &tip);
        QCOMPARE(QToolTip::text(), QStringLiteral("2024/12/27（金）ゲームなし"));
    }
};

} // namespace wordbloom::testing

QTEST_MAIN(wordbloom::testing::ProgressInsightsTest)
#include "progress_insights_test.moc"
