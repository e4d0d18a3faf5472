// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogue/prompter.h"
#include "app/game_view.h"

#include <stdexcept>
#include <string>

namespace wordbloom::bench {

// A view that shows nothing: what the logic costs without a window. The two
// topic boxes hold fixed topics.
class NullView final : public GameView {
public:
    NullView(std::string topic, std::string panelTopic)
        : m_topic(std::move(topic)), m_panelTopic(std::move(panelTopic)) {}

    std::string shownTopic() const override { return m_topic; }
    void showTopic(const std::string&) override {}
    void setTopicList(const std::vector<std::string>&) override {}
    void setPanelTopicList(const std::vector<std::string>&) override {}
    void setResultText(ResultLabel, const std::string&) override {}
    void clearAnswerBox() override {}
    void focusAnswerBox() override {}
    void focusStartButton() override {}
    void setStartEnabled(bool) override {}
    void showTimeLeft(int, int) override {}
    void showFullTime() override {}
    void showCountdownStep(int) override {}
    void showAnswerRows(const AnswerGrid&) override {}
    void answerRowAdded(const AnswerGrid&) override {}
    void setAnswerGridTopRow(std::size_t) override {}
    void showKnownAnswers(const IndexedTexts&) override {}
    void knownAnswerAdded(const IndexedTexts&) override {}
    void setKnownAnswersVisible(bool) override {}
    void chooseKnownAnswersOption(bool) override {}
    void setPlayLengthChoices(const std::vector<std::string>&) override {}
    void showPlayLength(const std::string&) override {}
    void showAutoSave(int) override {}
    void showHistoryRows(const PlayHistoryGrid&) override {}
    void historyRowAdded(const PlayHistoryGrid&) override {}
    void setHistoryGridTopRow(std::size_t) override {}
    std::string panelTopic() const override { return m_panelTopic; }
    void setPanelTopic(const std::string&) override {}
    void showTopicHistory(const TopicHistory&) override {}
    void setTopicPanelVisible(bool) override {}
    void showProgress(const std::string&, const TopicProgress&, const OverallProgress&) override {}
    void showGameCloseUp(const GameCloseUp&) override {}
    void showUnloggedGame(std::size_t) override {}

private:
    std::string m_topic;
    std::string m_panelTopic;
};

// A message box would stop a measurement: any message is a failure.
class FailingPrompter final : public Prompter {
public:
    MessageAnswer ask(const Message& message) override { throw std::runtime_error(message.text); }
};

} // namespace wordbloom::bench
