#pragma once
// The fixed rules of the one-way game: category captions, the memory kind, cell values,
// the wager limit and the messages at game over.

#include <cstdint>
#include <string>

namespace sv {

inline constexpr int GameMaxPlayers = 3;
inline constexpr int GameMaxRounds = 3;
inline constexpr int GameColumns = 6;
inline constexpr int GameRows = 6;
inline constexpr int GameCells = GameColumns * GameRows;
// Category codes are the question types 0..43; 42 stands for memory verses, 0 is "Grab Bag".
inline constexpr int GameCategoryCodes = 44;
inline constexpr int GrabBagCode = 0;
inline constexpr int MemoryVerseCode = 42;
inline constexpr int GameOrderPositions = 42;
inline constexpr int MinimumWager = 100;
inline constexpr int WagerStep = 100;

// Caption of a category column by code; empty for codes without one (26..38, 43). The
// doubled ampersand of codes 24 and 25 is the toolkit's way of writing one "&".
std::string CategoryCaption(int code);

// The quotation, finish and memory-verse categories: at most one of them per round.
bool IsMemoryKind(int code);

// Cell number 1..36 of a column and row (both 1..6), and back.
constexpr int CellOf(int column, int row) { return (column - 1) * GameRows + row; }
constexpr int ColumnOfCell(int cell) { return (cell - 1) / GameRows + 1; }
constexpr int RowOfCell(int cell) { return (cell - 1) % GameRows + 1; }

// Value of a row: row x round x players x 50 (50 .. 2700).
constexpr int CellValue(int row, int round, int players) { return row * round * players * 50; }
// A value as the buttons show it: right-aligned in four characters.
std::string ValueText(int value);

// The largest wager allowed to a player with score: the score above 1000, else 1000.
int WagerLimit(std::int32_t score);
// The wager a typed amount stands for: within MinimumWager..limit, between them rounded down to
// a whole step (the limit itself, which need not be one, stays allowed).
int AllowedWager(int typed, int limit);

// The message at game over for the number of players, the winner and the best score, and
// whether the wall of fame took it.
std::string EndGameMessage(int players, const std::string& winner, std::int32_t best, bool qualified);

} // namespace sv
