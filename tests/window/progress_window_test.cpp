// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window (成績) opened as a player opens it: the shortcut, the
// play history's menu and the topic panel's menu, on a folder of real files.

#include "record/play_history_file.h"
#include "widgets/text_grid.h"
#include "progress/progress_window.h"
#include "window_session.h"

#include <QAbstractItemView>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QMenu>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QtTest>

namespace wordbloom::testing {
namespace {

// Three games a day from 2024/02/01, so that the file is in play order.
std::string gamesOf(const char* topic, int count) {
    std::string lines;
    for (int game = 0; game < count; ++game) {
        const int day = 1 + game / 3;
        const auto newAnswers = static_cast<std::int16_t>(game % 7);
        lines += PlayRecordFormat::line(
            toPlayRecord({"2024/02/" + std::string(day < 10 ? "0" : "") + std::to_string(day),
                          "10:00:00", topic, newAnswers, 2, 1, 12, 60}));
        lines += "\r\n";
    }
    return cp932(lines);
}

template <typename Series> Series* seriesOf(QChart* chart) {
    for (QAbstractSeries* series : chart->series()) {
        if (auto* found = qobject_cast<Series*>(series)) {
            return found;
        }
    }
    return nullptr;
}

// Chooses the progress entry of the next context menu once it is up.
void chooseProgressInNextMenu() {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        menu->setActiveAction(menu->findChild<QAction*>(QStringLiteral("showProgress")));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll->start();
}

void openMenuOn(QWidget* surface, QPoint at) {
    chooseProgressInNextMenu();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
    QApplication::sendEvent(surface, &event);
}

} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theShortcutOpensTheDisplayedTopicsCharts() {
        Session session;
        session.folder.write("履歴.txt", gamesOf("一番食べたいもの", 3) + gamesOf("好きな色", 1));
        session.folder.write("一番食べたいもの_履歴.txt",
                             cp932("\"2024/02/01\",\"10:00:01\",\"001\",\"すし\"\r\n"
                                   "\"2024/02/01\",\"10:00:02\",\"001\",\"そば\"\r\n"
                                   "\"2024/02/02\",\"10:00:01\",\"001\",\"すし\"\r\n"));
        MainWindow& window = session.open();
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        auto* progress = window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
        QVERIFY(progress != nullptr);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("progressTopic"))->text(),
                 QStringLiteral("一番食べたいもの"));

        auto* bars = seriesOf<QStackedBarSeries>(progress->gamesChart());
        QVERIFY(bars != nullptr);
        const QList<QBarSet*> sets = bars->barSets();
        QCOMPARE(sets.size(), 3);
        QCOMPARE(sets[0]->label(), QStringLiteral("新"));
        QCOMPARE(sets[0]->count(), 3);
        QCOMPARE(sets[0]->at(2), 2.0);
        QCOMPARE(sets[1]->at(0), 2.0);
        QCOMPARE(sets[2]->at(0), 1.0);
        auto* rate = seriesOf<QLineSeries>(progress->gamesChart());
        QCOMPARE(rate->count(), 3);
        QCOMPARE(rate->at(0).y(), 0.2);
        const auto* rateAxis = qobject_cast<QValueAxis*>(rate->attachedAxes().back());
        QCOMPARE(rateAxis->max() / (rateAxis->tickCount() - 1), 0.2); // a round step
        QVERIFY(progress->findChild<QLabel*>(QStringLiteral("progressBests"))
                    ->text()
                    .startsWith(QStringLiteral("新の最多: 2（3 ゲーム目、2024/02/01）")));

        auto* vocabulary = seriesOf<QLineSeries>(progress->vocabularyChart());
        QCOMPARE(vocabulary->count(), 2);
        QCOMPARE(vocabulary->at(1).y(), 2.0); // すし again adds nothing

        auto* topics = seriesOf<QHorizontalBarSeries>(progress->mostPlayedChart());
        QCOMPARE(topics->barSets()[0]->count(), 2);
        QCOMPARE(topics->barSets()[0]->at(1), 3.0); // the most played at the top
        QVERIFY(seriesOf<QLineSeries>(progress->weeklyChart())->count() >= 1);
        QVERIFY(!progress->gamesScrollBar()->isVisible());

        // Escape closes it; the shortcut opens it again, charts and all.
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(!progress->isVisible());
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(progress->isVisible());
        QCOMPARE(seriesOf<QStackedBarSeries>(progress->gamesChart())->barSets()[0]->count(), 3);
    }

    void theMenusOpenTheRowsTopicAndThePanelsTopic() {
        Session session;
        session.folder.write("履歴.txt", gamesOf("好きな色", 2));
        MainWindow& window = session.open();
        auto* history = session.find<TextGrid>("msgRireki");
        const QPoint firstRow = history->visualRect(history->model()->index(0, 3)).center();
        openMenuOn(history->viewport(), firstRow);
        auto* progress = window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
        QVERIFY(progress != nullptr);
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("progressTopic"))->text(),
                 QStringLiteral("好きな色"));
        QCOMPARE(seriesOf<QStackedBarSeries>(progress->gamesChart())->barSets()[0]->count(), 2);

        session.click("cmdSyousai"); // the panel opens on the shown topic
        session.find<QComboBox>("cboMondai")->setEditText(QStringLiteral("好きな色"));
        openMenuOn(session.find<QAbstractItemView>("msgRireki3")->viewport(), QPoint(5, 5));
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("progressTopic"))->text(),
                 QStringLiteral("一番食べたいもの"));
        // A never-played topic: empty charts that say so.
        QVERIFY(progress->gamesChart()->title().contains(QStringLiteral("まだ")));
        QVERIFY(progress->vocabularyChart()->title().contains(QStringLiteral("まだ")));
    }

    void aVeryLongTopicIsShownShortened() {
        Session session;
        const std::string topic = "始" + std::string(5000, 'x') + "終";
        session.folder.write("履歴.txt", gamesOf(topic.c_str(), 2) + gamesOf("色", 1));
        MainWindow& window = session.open();
        const QString cell = session.find<TextGrid>("msgRireki")->textAt(1, 3);
        QVERIFY(cell.size() < 300 && cell.startsWith(u"始x") && cell.endsWith(u"x終"));
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        QChart* mostPlayed = window.findChild<ProgressWindow*>()->mostPlayedChart();
        auto* topics = qobject_cast<QBarCategoryAxis*>(mostPlayed->axes(Qt::Vertical)[0]);
        QVERIFY(topics->categories().last().size() < 300); // the most played stands at the top
    }

    void manyGamesArePagedWithTheNewestInView() {
        Session session;
        session.folder.write("履歴.txt", gamesOf("一番食べたいもの", 60));
        MainWindow& window = session.open();
        QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
        auto* progress = window.findChild<ProgressWindow*>(QStringLiteral("progressWindow"));
        QScrollBar* pages = progress->gamesScrollBar();
        QVERIFY(pages->isVisible());
        QCOMPARE(pages->maximum(), 10);
        QCOMPARE(pages->value(), 10);
        auto* newest = seriesOf<QStackedBarSeries>(progress->gamesChart())->barSets()[0];
        QCOMPARE(newest->count(), 50);
        QCOMPARE(newest->at(49), 59.0 - 56);  // game 60 has 59 % 7 = 3 new answers
        QTest::keyClick(pages, Qt::Key_Home); // by keyboard, to the oldest games
        auto* oldest = seriesOf<QStackedBarSeries>(progress->gamesChart())->barSets()[0];
        QCOMPARE(oldest->at(0), 0.0);
        QCOMPARE(oldest->at(1), 1.0);
    }
};

} // namespace wordbloom::testing

QTEST_MAIN(wordbloom::testing::ProgressWindowTest)
#include "progress_window_test.moc"
