// SPDX-License-Identifier: GPL-3.0-or-later
#include "insight_charts.h"

#include "widgets/shown_text.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

namespace wordbloom {

namespace {

const QColor kAnswersColour(0x00, 0x00, 0x80);
const QColor kFavouriteColour(0x00, 0x80, 0x00);

QChart* chartTitled(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    return chart;
}

// Puts bars between their categories and an axis that counts whole answers.
void countedBars(QChart* chart, QAbstractBarSeries* bars, QBarCategoryAxis* categories,
                 Qt::Alignment categorySide, const QString& countTitle, std::size_t highest) {
    chart->addSeries(bars);
    chart->addAxis(categories, categorySide);
    auto* count = new QValueAxis;
    count->setTitleText(countTitle);
    count->setLabelFormat(QStringLiteral("%d"));
    const double top = std::max(1.0, static_cast<double>(highest));
    count->setRange(0, top);
    count->setTickCount(static_cast<int>(std::min(top, 4.0)) + 1);
    count->applyNiceNumbers();
    chart->addAxis(count, categorySide == Qt::AlignBottom ? Qt::AlignLeft : Qt::AlignBottom);
    bars->attachAxis(categories);
    bars->attachAxis(count);
}

QString sliceName(std::size_t slice) {
    return QStringLiteral("%1〜%2秒")
        .arg(slice * kPaceSliceSeconds)
        .arg((slice + 1) * kPaceSliceSeconds - 1);
}

// A category axis drops a label it already has, so a label shortened into
// another one gets the answer's place after it.
QString uniqueLabel(QString label, std::size_t place, QSet<QString>& used) {
    if (label.isEmpty()) {
        label = QStringLiteral("（空）");
    }
    if (used.contains(label)) {
        label += QStringLiteral("（%1位）").arg(place);
    }
    used.insert(label);
    return label;
}

} // namespace

QChart* paceChart(const AnswerPace& pace) {
    QChart* chart = chartTitled(QStringLiteral("10 秒ごとの回答"));
    auto* answers = new QBarSet(QStringLiteral("回答"));
    answers->setColor(kAnswersColour);
    QStringList slices;
    std::size_t highest = 0;
    for (std::size_t slice = 0; slice < pace.slices.size(); ++slice) {
        answers->append(static_cast<double>(pace.slices[slice]));
        slices << QString::number(slice * kPaceSliceSeconds);
        highest = std::max(highest, pace.slices[slice]);
    }
    auto* bars = new QBarSeries;
    bars->append(answers);
    auto* axis = new QBarCategoryAxis;
    axis->append(slices.isEmpty() ? QStringList{QStringLiteral("0")} : slices);
    axis->setTitleText(QStringLiteral("最初の回答からの秒"));
    countedBars(chart, bars, axis, Qt::AlignBottom, QStringLiteral("回答数"), highest);
    return chart;
}

QString paceDescription(const AnswerPace& pace) {
    QStringList parts;
    for (std::size_t slice = 0; slice < pace.slices.size(); ++slice) {
        parts << QStringLiteral("%1 %2").arg(sliceName(slice)).arg(pace.slices[slice]);
    }
    if (pace.later > 0) {
        parts << QStringLiteral("%1 秒より後 %2").arg(kLongestPlaySeconds).arg(pace.later);
    }
    if (pace.untimed > 0) {
        parts << QStringLiteral("時刻の読めない回答 %1").arg(pace.untimed);
    }
    return QStringLiteral("最初の回答からの 10 秒ごとの回答の数: ") +
           parts.join(QStringLiteral("、"));
}

QChart* favouritesChart(const TopicProgress& progress) {
    const std::vector<AnswerCount>& favourites = progress.favouriteAnswers;
    QChart* chart =
        chartTitled(favourites.empty() ? QStringLiteral("このお題の回答はまだありません")
                                       : QStringLiteral("よく出す回答"));
    auto* times = new QBarSet(QStringLiteral("回数"));
    times->setColor(kFavouriteColour);
    times->setLabelColor(Qt::black);
    QStringList answers;
    QSet<QString> used;
    // A horizontal bar chart draws its first category at the bottom, so each
    // answer goes below the ones given more often.
    for (std::size_t place = 0; place < favourites.size(); ++place) {
        times->insert(0, static_cast<double>(favourites[place].times));
        answers.prepend(uniqueLabel(shownStart(favourites[place].answer, kAnswerLabelCharacters),
                                    place + 1, used));
    }
    auto* bars = new QHorizontalBarSeries;
    bars->append(times);
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    auto* axis = new QBarCategoryAxis;
    axis->append(answers.isEmpty() ? QStringList{QString()} : answers);
    // Twenty answers one above the other: a smaller font keeps every label,
    // and the labels are already short enough to stand whole.
    QFont labels = axis->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.85);
    axis->setLabelsFont(labels);
    axis->setTruncateLabels(false);
    // Room beyond the longest bar for its count.
    const std::size_t most = favourites.empty() ? 0 : favourites.front().times;
    countedBars(chart, bars, axis, Qt::AlignLeft, QStringLiteral("回数"), most + most / 8 + 1);
    return chart;
}

QString favouritesDescription(const TopicProgress& progress) {
    QStringList parts;
    for (std::size_t place = 0; place < progress.favouriteAnswers.size(); ++place) {
        const AnswerCount& each = progress.favouriteAnswers[place];
        parts << QStringLiteral("%1. %2 %3 回")
                     .arg(place + 1)
                     .arg(shownStart(each.answer, kAnswerLabelCharacters))
                     .arg(each.times);
    }
    return QStringLiteral("回答 %1、ちがう回答 %2。")
               .arg(progress.answerLog.answerCount())
               .arg(progress.answerLog.differentAnswers()) +
           parts.join(QStringLiteral("、"));
}

} // namespace wordbloom
