#include "main_form.h"
#include "record/formats.h"

#include <cmath>

namespace wordbloom {

namespace {

constexpr std::int16_t kLastCountdownStep = 3;

} // namespace

void MainForm::countdownTick() {
    if (!m_state.blnStart) {
        m_state.intCount = 0;
        return;
    }
    ++m_state.intCount;
    m_view.showStartImage(m_state.intCount);
    if (m_state.intCount == kLastCountdownStep) {
        m_state.blnStart = false;
        m_view.focusAnswerBox();
        m_state.lngNow = m_clock.playSeconds();
        m_state.gameLength = m_state.intJikan;
        m_state.lngEnd = m_state.lngNow + m_state.gameLength;
        m_state.blnPlay = true;
        // The next countdown starts at its first step even when it comes
        // before an idle tick has set the step back.
        m_state.intCount = 0;
    }
}

void MainForm::playClockTick() {
    if (!m_state.blnPlay) {
        return;
    }
    m_state.lngNow = m_clock.playSeconds();
    m_state.intNokori = saturatingAdd(0, m_state.lngEnd - m_state.lngNow);
    const double width = std::floor(static_cast<double>(m_state.intNokori) / m_state.gameLength *
                                    100.0 * m_state.intBarWidth / 100.0);
    m_view.setBarWidth(width < 0.0 ? 0 : static_cast<int>(width));
    if (m_state.intNokori <= 0) {
        endGame();
    }
}

void MainForm::endGame() {
    m_state.blnPlay = false;
    setStartEnabled(true);
    m_view.setLabelText(CounterLabel::Byou, formatRate(m_state.intMoji, lengthOfGame(m_state)));
    m_view.setLabelText(CounterLabel::Moji, std::to_string(m_state.intMoji));
    if (m_state.intAs == 1) {
        save();
    }
}

} // namespace wordbloom
