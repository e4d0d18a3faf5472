// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_charts.h"

#include "widgets/shown_text.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace wordbloom {

namespace {

// The colours of the game panel's counters, so that a chart reads like them.
const QColor kNewColour(0x00, 0x80, 0x00);
const QColor kExistingColour(0x80, 0x80, 0x00);
const QColor kDuplicateColour(0xFF, 0x00, 0x00);
const QColor kRateColour(0x00, 0x00, 0x80);
const QColor kMostNewColour(0xFF, 0x8C, 0x00);
const QColor kBestRateColour(0xC0, 0x00, 0xC0);

// About this many game numbers stand under a page of bars.
constexpr std::size_t kGameLabels = 8;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QChart* newChart(const QString& title, bool empty, const QString& note) {
    auto* chart = new QChart;
    chart->setTitle(empty ? note : title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QValueAxis* valueAxis(QChart* chart, const QString& title, Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axis, side);
    return axis;
}

// A round top for an axis that counts, so that its ticks fall on whole numbers.
void countRange(QValueAxis* axis, double highest) {
    const double top = std::max(1.0, highest);
    axis->setRange(0, top);
    axis->setTickCount(static_cast<int>(std::min(top, 5.0)) + 1);
    axis->applyNiceNumbers();
}

// Puts a series on its chart between the axis it runs along and a counting
// axis up to `highest`, and returns the counting axis.
QValueAxis* countedAlong(QChart* chart, QAbstractSeries* series, QAbstractAxis* along,
                         const QString& countTitle, double highest, Qt::Alignment countSide) {
    chart->addSeries(series);
    QValueAxis* countAxis = valueAxis(chart, countTitle, countSide);
    countRange(countAxis, highest);
    series->attachAxis(along);
    series->attachAxis(countAxis);
    return countAxis;
}

QLineSeries* line(const QString& name, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setColor(colour);
    return series;
}

QBarSet* barSet(const QString& label, const QColor& colour) {
    auto* set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

// A dated day of the files, "yyyy/mm/dd", at noon, where a time axis puts it.
qint64 msecsOfDay(const std::string& date) {
    const QDate day = QDate::fromString(qt(date), QStringLiteral("yyyy/MM/dd"));
    return QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch();
}

QScatterSeries* bestMark(QChart* chart, const QString& name, const QColor& colour) {
    auto* mark = new QScatterSeries;
    mark->setName(name);
    mark->setColor(colour);
    mark->setBorderColor(colour);
    mark->setMarkerSize(11);
    mark->setPointLabelsVisible(true);
    mark->setPointLabelsFormat(QStringLiteral("@yPoint"));
    chart->addSeries(mark);
    return mark;
}

// The axis of a page of games, games[first, end): bar k of the page stands at
// k. A few of them are labelled with their place among all the topic's games
// and their date, so that a page of games still says which ones they are.
QCategoryAxis* pageOfGamesAxis(const std::vector<TopicGame>& games, std::size_t first,
                               std::size_t end) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, std::max(1.0, static_cast<double>(end - first)) - 0.5);
    axis->setTitleText(QStringLiteral("ゲーム（古い順）"));
    const std::size_t step =
        std::max<std::size_t>(1, (end - first + kGameLabels - 1) / kGameLabels);
    for (std::size_t index = first; index < end; index += step) {
        axis->append(QStringLiteral("%1\n%2").arg(index + 1).arg(qt(games[index].date).mid(5)),
                     static_cast<double>(index - first));
    }
    return axis;
}

} // namespace

QChart* topicGamesChart(const TopicProgress& progress, std::size_t first, std::size_t count) {
    const std::vector<TopicGame>& games = progress.games;
    QChart* chart = newChart(QStringLiteral("ゲームごとの回答"), games.empty(),
                             QStringLiteral("このお題のゲームはまだ保存されていません"));
    first = std::min(first, games.size());
    const std::size_t end = std::min(games.size(), first + count);

    auto* bars = new QStackedBarSeries;
    QBarSet* newSet = barSet(QStringLiteral("新"), kNewColour);
    QBarSet* existingSet = barSet(QStringLiteral("既"), kExistingColour);
    QBarSet* duplicateSet = barSet(QStringLiteral("重"), kDuplicateColour);
    QLineSeries* rate = line(QStringLiteral("秒当たり"), kRateColour);
    int highestTotal = 0;
    double highestRate = 0;
    for (std::size_t index = first; index < end; ++index) {
        const TopicGame& game = games[index];
        newSet->append(game.newAnswers);
        existingSet->append(game.existingAnswers);
        duplicateSet->append(game.duplicateAnswers);
        highestTotal =
            std::max(highestTotal, game.newAnswers + game.existingAnswers + game.duplicateAnswers);
        if (game.charactersPerSecond) {
            rate->append(static_cast<double>(index - first), *game.charactersPerSecond);
            highestRate = std::max(highestRate, *game.charactersPerSecond);
        }
    }
    bars->append({newSet, existingSet, duplicateSet});

    QCategoryAxis* gameAxis = pageOfGamesAxis(games, first, end);
    chart->addAxis(gameAxis, Qt::AlignBottom);
    QValueAxis* countAxis =
        countedAlong(chart, bars, gameAxis, QStringLiteral("回答数"), highestTotal, Qt::AlignLeft);
    QValueAxis* rateAxis =
        countedAlong(chart, rate, gameAxis, QStringLiteral("秒当たり"), 1, Qt::AlignRight);
    rateAxis->setLabelFormat(QStringLiteral("%.1f"));
    rateAxis->setRange(0, std::max(1.0, highestRate * 1.1));
    rateAxis->setTickCount(5);
    // Ticks on round steps (0.2, 0.5, 1 …), as the answer axis has them.
    rateAxis->applyNiceNumbers();

    const auto shown = [&](const std::optional<PersonalBest>& best) {
        return best && best->game >= first && best->game < end;
    };
    if (shown(progress.mostNewAnswers)) {
        QScatterSeries* mark = bestMark(chart, QStringLiteral("新の最多"), kMostNewColour);
        mark->append(static_cast<double>(progress.mostNewAnswers->game - first),
                     progress.mostNewAnswers->value);
        mark->attachAxis(gameAxis);
        mark->attachAxis(countAxis);
    }
    if (shown(progress.bestRate)) {
        QScatterSeries* mark = bestMark(chart, QStringLiteral("最高の秒当たり"), kBestRateColour);
        mark->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        mark->append(static_cast<double>(progress.bestRate->game - first),
                     progress.bestRate->value);
        mark->attachAxis(gameAxis);
        mark->attachAxis(rateAxis);
    }
    return chart;
}

QChart* vocabularyChart(const TopicProgress& progress) {
    QChart* chart =
        newChart(QStringLiteral("これまでに出した、ちがう回答の数"), progress.vocabulary.empty(),
                 QStringLiteral("このお題の回答はまだありません"));
    QLineSeries* growth = line(QStringLiteral("ちがう回答"), kNewColour);
    std::size_t highest = 0;
    for (std::size_t index = 0; index < progress.vocabulary.size(); ++index) {
        const std::size_t answers = progress.vocabulary[index].differentAnswers;
        growth->append(static_cast<double>(index + 1), static_cast<double>(answers));
        highest = std::max(highest, answers);
    }
    QValueAxis* gameAxis = valueAxis(chart, QStringLiteral("ゲーム"), Qt::AlignBottom);
    countRange(gameAxis, static_cast<double>(progress.vocabulary.size()));
    countedAlong(chart, growth, gameAxis, QStringLiteral("回答の数"), static_cast<double>(highest),
                 Qt::AlignLeft);
    chart->legend()->hide();
    return chart;
}

QChart* weeklyGamesChart(const OverallProgress& progress) {
    QChart* chart = newChart(QStringLiteral("週ごとのゲーム数"), progress.weeks.empty(),
                             QStringLiteral("保存されたゲームはまだありません"));
    QLineSeries* games = line(QStringLiteral("ゲーム数"), kRateColour);
    std::size_t highest = 0;
    for (const WeekOfPlay& week : progress.weeks) {
        games->append(static_cast<double>(msecsOfDay(week.monday)),
                      static_cast<double>(week.games));
        highest = std::max(highest, week.games);
    }
    auto* timeAxis = new QDateTimeAxis;
    timeAxis->setFormat(QStringLiteral("yyyy/MM/dd"));
    timeAxis->setTitleText(QStringLiteral("週（月曜日から）"));
    if (progress.weeks.empty()) {
        const QDateTime now = QDateTime::currentDateTime();
        timeAxis->setRange(now.addDays(-7), now);
    }
    chart->addAxis(timeAxis, Qt::AlignBottom);
    countedAlong(chart, games, timeAxis, QStringLiteral("ゲーム数"), static_cast<double>(highest),
                 Qt::AlignLeft);
    chart->legend()->hide();
    return chart;
}

QChart* mostPlayedChart(const OverallProgress& progress) {
    QChart* chart = newChart(QStringLiteral("よく遊んだお題"), progress.mostPlayedTopics.empty(),
                             QStringLiteral("保存されたゲームはまだありません"));
    auto* bars = new QHorizontalBarSeries;
    QBarSet* games = barSet(QStringLiteral("ゲーム数"), kNewColour);
    QStringList topics;
    std::size_t highest = 0;
    // A horizontal bar chart draws its first category at the bottom, so each
    // topic goes below the ones played more.
    for (const TopicPlayCount& topic : progress.mostPlayedTopics) {
        games->insert(0, static_cast<double>(topic.games));
        topics.prepend(shownText(topic.topic));
        highest = std::max(highest, topic.games);
    }
    bars->append(games);
    bars->setLabelsVisible(true);
    auto* topicAxis = new QBarCategoryAxis;
    topicAxis->append(topics.isEmpty() ? QStringList{QString()} : topics);
    chart->addAxis(topicAxis, Qt::AlignLeft);
    countedAlong(chart, bars, topicAxis, QStringLiteral("ゲーム数"), static_cast<double>(highest),
                 Qt::AlignBottom);
    chart->legend()->hide();
    return chart;
}

QString bestsSummary(const TopicProgress& progress) {
    QStringList parts;
    if (const auto& best = progress.mostNewAnswers) {
        parts << QStringLiteral("新の最多: %1（%2 ゲーム目、%3）")
                     .arg(best->value)
                     .arg(best->game + 1)
                     .arg(qt(best->date));
    }
    if (const auto& best = progress.bestRate) {
        parts << QStringLiteral("最高の秒当たり: %1/秒（%2 ゲーム目、%3）")
                     .arg(best->value, 0, 'f', 2)
                     .arg(best->game + 1)
                     .arg(qt(best->date));
    }
    return parts.join(QStringLiteral("　"));
}

} // namespace wordbloom
