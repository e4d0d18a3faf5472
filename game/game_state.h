#pragma once

#include <cstdint>

namespace wordbloom {

// The form-level state of a game. Every value is 0 (false) when the window is
// created; start-up loads intJikan, intAs and intBarWidth.
struct GameState {
    std::int16_t intJikan = 0;    // play length in seconds
    std::int16_t intAs = 0;       // auto-save: 1 saves each game when its time is up
    bool blnStart = false;        // the start countdown is running
    bool blnPlay = false;         // the play clock is running
    std::int16_t intCount = 0;    // countdown step, 0 to 3
    std::int64_t lngNow = 0;      // latest play-clock reading, in seconds
    std::int64_t lngEnd = 0;      // end of the running game on the play clock
    std::int16_t intNokori = 0;   // seconds left
    std::int16_t intBarWidth = 0; // full width of the time bar, in twips
    std::int16_t intMoji = 0;     // characters in this game's answers
    std::int16_t intKai = 0;      // number of this game among the day's games on its topic
    std::int16_t intOk = 0;       // new answers in this game
    std::int16_t intChu = 0;      // existing answers
    std::int16_t intNg = 0;       // duplicate answers
    // The play length the running or last game was played with, taken when its
    // play clock starts: a change of intJikan applies to the next game. 0
    // before the first game.
    std::int16_t gameLength = 0;
};

// The play length that a game's record and rate use: the one it was played
// with, or the setting when answers came before any game was played.
std::int16_t lengthOfGame(const GameState& state);

// Adds to a 16-bit counter, stopping at 32767 instead of wrapping round.
std::int16_t saturatingAdd(std::int16_t counter, std::int64_t amount);

} // namespace wordbloom
