// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_game_page.h"

#include "insight_charts.h"
#include "logged_game_texts.h"
#include "look/answer_kinds.h"
#include "widgets/rows_model.h"
#include "widgets/shown_text.h"

#include "dialogue/messages.h"

#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTableView>

namespace wordbloom {

namespace {

// An answer in a list, and whole enough in its tool tip.
constexpr std::size_t kAnswerListCharacters = 60;
constexpr std::size_t kAnswerTipCharacters = 300;

AnswerKind answerKind(LoggedKind kind) {
    switch (kind) {
    case LoggedKind::Existing:
        return AnswerKind::Existing;
    case LoggedKind::Duplicate:
        return AnswerKind::Duplicate;
    case LoggedKind::New:
        break;
    }
    return AnswerKind::New;
}

QTableView* tableOf(QWidget* parent, const char* name, const QString& accessibleName,
                    RowsModel* model) {
    auto* table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessibleName);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    // Tab goes on to the next control, as everywhere else in the window.
    table->setTabKeyNavigation(false);
    return table;
}

QLabel* wrappedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A cell of the game's answers: its number, its kind in the answer grid's
// colour and its text.
QVariant answerCell(const TopicAnswerLog& log, const CloseUpAnswer& answer, int row, int column,
                    int role) {
    const AnswerKind kind = answerKind(answer.kind);
    if (column == 0) {
        return role == Qt::DisplayRole ? QVariant(row + 1) : QVariant();
    }
    if (column == 1) {
        switch (role) {
        case Qt::DisplayRole:
            return kindLetter(kind);
        case Qt::BackgroundRole:
            return kindColour(kind);
        case Qt::AccessibleTextRole:
            return kindMeaning(kind);
        case Qt::TextAlignmentRole:
            return Qt::AlignCenter;
        default:
            return {};
        }
    }
    if (role == Qt::DisplayRole) {
        return shownStart(log.text(answer.answer), kAnswerListCharacters);
    }
    return role == Qt::ToolTipRole ? shownStart(log.text(answer.answer), kAnswerTipCharacters)
                                   : QVariant();
}

// A cell of the answers known but not recalled: the answer and how often it
// was given before.
QVariant unrecalledCell(const TopicAnswerLog& log, const UnrecalledAnswer& answer, int column,
                        int role) {
    if (role == Qt::DisplayRole) {
        return column == 0 ? QVariant(shownStart(log.text(answer.answer), kAnswerListCharacters))
                           : QVariant(static_cast<qulonglong>(answer.timesGiven));
    }
    return role == Qt::ToolTipRole && column == 0
               ? QVariant(shownStart(log.text(answer.answer), kAnswerTipCharacters))
               : QVariant();
}

void showPace(QChartView* view, const AnswerPace& pace) {
    QChart* old = view->chart();
    view->setChart(paceChart(pace));
    view->setAccessibleName(view->chart()->title());
    view->setAccessibleDescription(paceDescription(pace));
    delete old;
}

} // namespace

ProgressGamePage::ProgressGamePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progressGamePage"));
    m_games = new RowsModel({QStringLiteral("ゲーム")}, this);
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("progressGameChoice"));
    m_choice->setAccessibleName(QStringLiteral("見るゲーム"));
    m_choice->setModel(m_games);
    // A topic may have tens of thousands of games: the box is not measured
    // against all of them, nor is its list.
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_choice->setMinimumContentsLength(36);
    if (auto* list = qobject_cast<QListView*>(m_choice->view())) {
        list->setUniformItemSizes(true);
    }
    auto* choiceLabel = new QLabel(QStringLiteral("見るゲーム(&M):"), this);
    choiceLabel->setBuddy(m_choice);
    m_summary = wrappedLabel(this, "progressGameSummary");
    m_note = wrappedLabel(this, "progressGameNote");
    m_note->setStyleSheet(QStringLiteral("color: #804000;"));
    m_answerRows =
        new RowsModel({QStringLiteral("回"), QStringLiteral("種類"), QStringLiteral("回答")}, this);
    m_answers =
        tableOf(this, "progressGameAnswers", QStringLiteral("このゲームの答え"), m_answerRows);
    m_pace = new QChartView(this);
    m_pace->setObjectName(QStringLiteral("progressGamePace"));
    m_pace->setRenderHint(QPainter::Antialiasing);
    m_pace->setMinimumHeight(180);
    m_recalled = wrappedLabel(this, "progressRecalled");
    m_notRecalledRows = new RowsModel(
        {QStringLiteral("思い出さなかった回答"), QStringLiteral("前までの回数")}, this);
    m_notRecalled = tableOf(this, "progressNotRecalled",
                            QStringLiteral("覚えていたが思い出さなかった回答"), m_notRecalledRows);
    m_notRecalled->horizontalHeader()->setStretchLastSection(false);
    m_notRecalled->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_notRecalled->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choiceLabel);
    choiceRow->addWidget(m_choice, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pace, 2);
    right->addWidget(m_recalled);
    right->addWidget(m_notRecalled, 3);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_answers, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choiceRow);
    layout->addWidget(m_summary);
    layout->addWidget(m_note);
    layout->addLayout(columns, 1);

    connect(m_choice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            emit loggedGameChosen(static_cast<std::size_t>(index));
        }
    });
    clearGame();
}

void ProgressGamePage::setTopic(const TopicProgress& topic) {
    m_topic = &topic;
    const QSignalBlocker quiet(m_choice);
    m_games->show(
        static_cast<int>(topic.answerLog.games().size()), [&topic](int row, int, int role) {
            return role == Qt::DisplayRole
                       ? QVariant(loggedGameListText(topic, static_cast<std::size_t>(row)))
                       : QVariant();
        });
    m_choice->setCurrentIndex(-1);
    clearGame();
}

void ProgressGamePage::showCloseUp(const GameCloseUp& closeUp) {
    if (m_topic == nullptr) {
        return;
    }
    const TopicAnswerLog& log = m_topic->answerLog;
    {
        const QSignalBlocker quiet(m_choice);
        m_choice->setCurrentIndex(static_cast<int>(closeUp.game));
    }
    m_summary->setText(closeUpSummary(*m_topic, closeUp));
    const std::string note =
        gameCloseUpNote(closeUp.pace.untimed, closeUp.pace.later, log.unreadableDates());
    m_note->setText(QString::fromStdString(note));
    m_note->setVisible(!note.empty());

    m_answerRows->show(static_cast<int>(closeUp.answers.size()),
                       [&closeUp, &log](int row, int column, int role) {
                           return answerCell(log, closeUp.answers[static_cast<std::size_t>(row)],
                                             row, column, role);
                       });
    m_answers->resizeColumnToContents(0);
    m_answers->resizeColumnToContents(1);
    showPace(m_pace, closeUp.pace);

    m_recalled->setText(closeUp.knownBefore == 0
                            ? QStringLiteral("このゲームの前に覚えていた回答はありません")
                            : QStringLiteral("覚えていた %1 のうち %2 を思い出した")
                                  .arg(closeUp.knownBefore)
                                  .arg(closeUp.recalled));
    m_notRecalled->setAccessibleDescription(m_recalled->text());
    m_notRecalledRows->show(static_cast<int>(closeUp.notRecalled.size()),
                            [&closeUp, &log](int row, int column, int role) {
                                return unrecalledCell(
                                    log, closeUp.notRecalled[static_cast<std::size_t>(row)], column,
                                    role);
                            });
}

void ProgressGamePage::showUnloggedGame(std::size_t savedGame) {
    if (m_topic == nullptr || savedGame >= m_topic->games.size()) {
        return;
    }
    const TopicGame& game = m_topic->games[savedGame];
    {
        const QSignalBlocker quiet(m_choice);
        m_choice->setCurrentIndex(-1);
    }
    clearGame();
    m_summary->setText(unloggedGameText(game));
}

void ProgressGamePage::clearGame() {
    m_summary->setText(QStringLiteral("このお題の回答はまだありません"));
    m_note->hide();
    m_answerRows->clear();
    m_notRecalledRows->clear();
    m_recalled->clear();
    showPace(m_pace, AnswerPace{});
}

} // namespace wordbloom
