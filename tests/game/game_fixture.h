// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes.h"
#include "support/temp_dir.h"
#include "app/wordbloom.h"

#include <gtest/gtest.h>
#include <memory>

namespace wordbloom::testing {

// A data folder with the three files start-up needs, a fake clock standing
// at 2024/01/15 09:00:00, and the form started up on them.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.write("設定.txt", "60,0\r\n");
        temp.write("題目.txt", cp932("一番食べたいもの\r\n好きな色\r\n"));
        temp.write("履歴.txt", "");
    }

    Wordbloom& app() {
        if (!m_form) {
            m_form = std::make_unique<Wordbloom>(WorkDir(temp.path()), clock, random, view,
                                                 prompter, runner);
            m_form->startUp();
        }
        return *m_form;
    }

    // Starts a game on the displayed topic and runs the countdown to play.
    void startGame() {
        app().game().startWithShownTopic();
        runCountdown();
    }
    void runCountdown() {
        for (int tick = 0; tick < 3; ++tick) {
            clock.advance(1);
            app().game().countdownTick();
        }
    }
    // Moves the play clock a second at a time until the game is over.
    void playToEnd() {
        while (app().game().state().playClockRunning()) {
            clock.advance(1);
            app().game().playClockTick();
        }
    }
    void answer(const std::string& text) {
        view.answerBox = text;
        EXPECT_TRUE(app().game().submitAnswer(text)) << text;
    }
    void answerAll(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            answer(text);
        }
    }
    std::vector<AnswerKind> kinds() const {
        std::vector<AnswerKind> result;
        for (const auto& row : view.answerRows) {
            result.push_back(row.kind);
        }
        return result;
    }

    TempDir temp;
    FakeClock clock{{2024, 1, 15, 9, 0, 0}};
    FakeRandom random;
    FakeView view;
    FakePrompter prompter;
    FakeWorkRunner runner;

private:
    std::unique_ptr<Wordbloom> m_form;
};

} // namespace wordbloom::testing
