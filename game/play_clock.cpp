// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"
#include "record/formats.h"

#include <algorithm>

namespace wordbloom {

namespace {

constexpr std::int16_t kLastCountdownStep = 3;

} // namespace

void GameSession::countdownTick() {
    if (!m_state.countingDown()) {
        m_state.countdownStep = 0;
        return;
    }
    ++m_state.countdownStep;
    m_view.showCountdownStep(m_state.countdownStep);
    if (m_state.countdownStep == kLastCountdownStep) {
        m_state.phase = Phase::Playing;
        m_view.focusAnswerBox();
        m_state.lastClockReading = m_clock.playSeconds();
        m_state.gameLength = m_settings.playLength();
        m_state.playEndsAt = m_state.lastClockReading + m_state.gameLength;
        // The next countdown starts at its first step even when it comes
        // before an idle tick has set the step back.
        m_state.countdownStep = 0;
    }
}

void GameSession::playClockTick() {
    if (!m_state.playClockRunning()) {
        return;
    }
    m_state.lastClockReading = m_clock.playSeconds();
    m_state.secondsLeft = saturatingAdd(0, *m_state.playEndsAt - m_state.lastClockReading);
    // A late tick finds the time over already: none is left.
    m_view.showTimeLeft(std::max<int>(m_state.secondsLeft, 0), m_state.gameLength);
    if (m_state.secondsLeft <= 0) {
        endGame();
    }
}

void GameSession::endGame() {
    m_state.playEndsAt.reset();
    // A start during play is counting down already; otherwise the game is over.
    if (m_state.phase == Phase::Playing) {
        m_state.phase = Phase::Over;
    }
    setStartEnabled(true);
    m_view.setResultText(ResultLabel::Rate, formatRate(m_state.characters, lengthOfGame()));
    m_view.setResultText(ResultLabel::Characters, std::to_string(m_state.characters));
    if (m_settings.savesEachGame()) {
        save();
    }
}

} // namespace wordbloom
