#pragma once
// What a screen reader says of the game board: a cell with its category, value and whether it
// may be picked, the players' scores, and what changed on the board since it was last looked
// at (the turn and round caption, the end of the game). Texts are Windows-1252 bytes, like the
// categories and names they quote.

#include "game/GameLogic.h"

#include <string>
#include <vector>

namespace sv {

enum class TCellSpeechState { Open, Used, Closed };

// "Acts 1, 200 points, open"; a used cell "Acts 1, used"; a cell that cannot be picked now
// "Acts 1, 200 points, not open"; a cell without a question "Acts 1, empty". cell is 1..36.
std::string CellSpeech(const TGameView& view, int cell);

// "Ann 300, Bob 100": the visible players with their scores.
std::string ScoreSpeech(const TGameView& view);

// "Right. Ann 300, Bob 100" after a grade on the board.
std::string GradeSpeech(bool right, const TGameView& view);

// The board's announcements: the caption whenever it changes to a text (the turn, the round,
// "GAME OVER" with the scores).
class TBoardAnnouncements {
public:
    std::vector<std::string> Next(const TGameView& view, bool gameOver);

private:
    std::string m_caption;
    bool m_gameOver = false;
};

} // namespace sv
