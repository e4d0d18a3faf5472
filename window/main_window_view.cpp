// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"
#include "answer_box.h"
#include "look/answer_kinds.h"
#include "widgets/clickable_frame.h"
#include "widgets/text_grid.h"
#include "window/main_window.h"

#include "game_grids.h"
#include "time_bar.h"
#include "widgets/pick_list_combo_box.h"
#include "widgets/text_list_model.h"
#include "widgets/units.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QToolButton>

#include <utility>

namespace wordbloom {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Sets an editable combo box's list and keeps the text it shows.
void setItemsKeepingText(QComboBox* combo, const std::vector<std::string>& items) {
    const QString shown = combo->currentText();
    combo->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        texts.push_back(qt(item));
    }
    combo->addItems(texts);
    combo->setCurrentIndex(-1);
    combo->setEditText(shown);
}

// The grids show a header row above the rows of the core, which count from 0.
std::size_t gridRow(std::size_t row) {
    return row + 1;
}

// Shows the rows of a grid content of the core, which stays in place while
// the grid shows it.
template <typename Rows>
void setGridRows(TextGrid* grid, const Rows& rows, std::size_t (Rows::*count)() const) {
    grid->setRowSource(
        [&rows, count] { return (rows.*count)(); },
        [&rows](std::size_t row, int column) { return rows.cellText(row - 1, column); });
}

} // namespace

std::string MainWindow::shownTopic() const {
    return m_cboMondai->currentText().toStdString();
}

void MainWindow::showTopic(const std::string& topic) {
    m_cboMondai->setEditText(qt(topic));
}

void MainWindow::setTopicList(const std::vector<std::string>& topics) {
    setItemsKeepingText(m_cboMondai, topics);
}

void MainWindow::setPanelTopicList(const std::vector<std::string>& topics) {
    if (m_fraRireki == nullptr) {
        m_panelTopics = topics;
        return;
    }
    setItemsKeepingText(m_cboMondai2, topics);
}

void MainWindow::setResultText(ResultLabel label, const std::string& text) {
    QLabel* target = nullptr;
    switch (label) {
    case ResultLabel::New:
        target = m_lblOk;
        break;
    case ResultLabel::Existing:
        target = m_lblChu;
        break;
    case ResultLabel::Duplicate:
        target = m_lblNg;
        break;
    case ResultLabel::Characters:
        target = m_lblMojiT;
        break;
    case ResultLabel::Rate:
        target = m_lblByou;
        break;
    }
    target->setText(qt(text));
    target->setAccessibleName(nameWithValue(*target, target->text()));
}

void MainWindow::clearAnswerBox() {
    m_txtKaitou->clear();
}

void MainWindow::focusAnswerBox() {
    // Under the open topic panel the box cannot be typed into: it takes the
    // focus when the panel closes.
    if (topicPanelOpen()) {
        m_answerBoxAwaitsFocus = true;
        return;
    }
    m_txtKaitou->setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusStartButton() {
    m_cmdStart->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setStartEnabled(bool enabled) {
    m_cmdStart->setEnabled(enabled);
}

void MainWindow::showTimeLeft(int secondsLeft, int gameLength) {
    setBarWidth(timeBarTwips(secondsLeft, gameLength, barLayoutWidth()));
}

void MainWindow::showFullTime() {
    setBarWidth(barLayoutWidth());
}

void MainWindow::setBarWidth(int twips) {
    m_shpJikanK->resize(pixelsFromTwips(twips), m_shpJikanK->height());
}

int MainWindow::barLayoutWidth() const {
    return m_shpJikanK->property("twips").toRect().width();
}

void MainWindow::showCountdownStep(int step) {
    for (QLabel* image : m_imgStart) {
        image->hide();
    }
    if (step >= 1 && step <= static_cast<int>(m_imgStart.size())) {
        m_imgStart[static_cast<std::size_t>(step - 1)]->show();
    }
}

void MainWindow::showAnswerRows(const AnswerGrid& rows) {
    m_msgRireki2->applyLayout(answerGridLayout());
    setGridRows(m_msgRireki2, rows, &AnswerGrid::rowCount);
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        colourAnswerRow(rows, row);
    }
}

void MainWindow::answerRowAdded(const AnswerGrid& rows) {
    m_msgRireki2->rowsAppended();
    colourAnswerRow(rows, rows.rowCount() - 1);
}

void MainWindow::colourAnswerRow(const AnswerGrid& rows, std::size_t row) {
    const AnswerKind kind = rows.kind(row);
    m_msgRireki2->setCellBackground(gridRow(row), 0, kindColour(kind), kindMeaning(kind));
}

void MainWindow::setAnswerGridTopRow(std::size_t row) {
    m_msgRireki2->setTopRow(gridRow(row));
}

void MainWindow::showKnownAnswers(const IndexedTexts& associations) {
    m_associationModel->setSource(&associations.items());
}

void MainWindow::knownAnswerAdded(const IndexedTexts&) {
    m_associationModel->itemsAppended();
}

void MainWindow::setKnownAnswersVisible(bool visible) {
    m_lstRenData->setVisible(visible);
}

void MainWindow::chooseKnownAnswersOption(bool show) {
    (show ? m_optRendata2 : m_optRendata)->setChecked(true);
}

void MainWindow::setPlayLengthChoices(const std::vector<std::string>& choices) {
    setItemsKeepingText(m_cboJikan, choices);
}

void MainWindow::showPlayLength(const std::string& text) {
    m_cboJikan->setEditText(qt(text));
}

void MainWindow::showAutoSave(int state) {
    m_chkAs->setChecked(state != 0);
    // State 2 shows the switch greyed, as a check box of three states does.
    m_chkAs->setStyleSheet(state == 2 ? QStringLiteral("QToolButton { background: #c0c0c0; }")
                                      : QString());
}

void MainWindow::showHistoryRows(const PlayHistoryGrid& grid) {
    setGridRows(m_msgRireki, grid, &PlayHistoryGrid::rowCount);
}

void MainWindow::historyRowAdded(const PlayHistoryGrid&) {
    m_msgRireki->rowsAppended();
}

void MainWindow::setHistoryGridTopRow(std::size_t row) {
    m_msgRireki->setTopRow(gridRow(row));
}

void MainWindow::ensureTopicPanel() {
    if (m_fraRireki != nullptr) {
        return;
    }
    buildTopicPanel();
    passDropsToWindow();
    bindTopicPanelEvents();
    setTabOrder();
    setItemsKeepingText(m_cboMondai2, m_panelTopics);
    m_panelTopics.clear();
}

std::string MainWindow::panelTopic() const {
    // Only the panel's own controls ask for its topic, so it has been made.
    return m_cboMondai2 != nullptr ? m_cboMondai2->currentText().toStdString() : std::string();
}

void MainWindow::setPanelTopic(const std::string& topic) {
    ensureTopicPanel();
    m_cboMondai2->setEditText(qt(topic));
}

void MainWindow::showTopicHistory(const TopicHistory& history) {
    ensureTopicPanel();
    m_msgRireki3->applyLayout(topicLogGridLayout());
    m_panelAssociationModel->setSource(&history.associations());
    setGridRows(m_msgRireki3, history, &TopicHistory::logRowCount);
    // The last record read is the current row, as the grid is left after
    // filling it; the view stays at the first rows. An empty log has none.
    if (history.logRowCount() > 0) {
        m_msgRireki3->setCurrentCell(gridRow(history.logRowCount() - 1),
                                     TopicHistory::kColumnCount - 1);
    }
}

void MainWindow::showProgress(const std::string& topic, const TopicProgress& topicProgress,
                              const OverallProgress& overallProgress) {
    if (m_progressWindow == nullptr) {
        m_progressWindow = m_makeProgressWindow(this, progressChoices());
    }
    m_progressWindow->showProgress(topic, topicProgress, overallProgress);
}

void MainWindow::showGameCloseUp(const GameCloseUp& closeUp) {
    m_progressWindow->showGameCloseUp(closeUp);
}

void MainWindow::showUnloggedGame(std::size_t savedGame) {
    m_progressWindow->showUnloggedGame(savedGame);
}

void MainWindow::setTopicPanelVisible(bool visible) {
    if (!visible && m_fraRireki == nullptr) {
        return;
    }
    ensureTopicPanel();
    // The focus goes into the panel as it opens and back to the button that
    // opens it as it closes, never to a control hidden under the panel.
    const bool opening = visible && m_fraRireki->isHidden();
    const bool focusInPanel = m_fraRireki->isAncestorOf(focusWidget());
    m_fraRireki->setVisible(visible);
    if (visible) {
        m_fraRireki->raise();
    }
    if (opening) {
        m_msgRireki3->setFocus(Qt::OtherFocusReason);
    } else if (!visible && std::exchange(m_answerBoxAwaitsFocus, false)) {
        m_txtKaitou->setFocus(Qt::OtherFocusReason);
    } else if (!visible && focusInPanel) {
        m_cmdSyousai->setFocus(Qt::OtherFocusReason);
    }
}

bool MainWindow::topicPanelOpen() const {
    return m_fraRireki != nullptr && !m_fraRireki->isHidden();
}

} // namespace wordbloom
