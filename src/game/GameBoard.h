#pragma once
// The boards of one game: for each of up to three rounds the order in which categories are
// tried, six category columns of six cells drawn from the game material, and the hidden
// wager cell. Built once at the start of round 1.
//
// Random draws, in order: the category orders of rounds 1..3 (ShuffleCategories), the
// starting points of every filled cell, then the wager cells of rounds 1..3.

#include "common/BoundedArray.h"
#include "game/GameMaterial.h"
#include "game/GameRules.h"

#include <cstdint>
#include <string>

namespace sv {

class IRandom;

struct TColumnCaption {
    int Code = 0;
    std::string Text;
};

class TGameBoard {
public:
    TGameBoard(IGameMaterial& material, IRandom& random);

    // Shuffles the categories, counts the stock, fills the playable rounds' columns, orders
    // each column by answer length and draws the wager cells. Returns the number of rounds
    // the material allows (0..3).
    int BuildBoards(bool memoryVerses);

    // The category order of every round: with memory verses on, Memory first and no other
    // code of the memory kind; with them off, no code of the memory kind. Positions that no
    // code fits hold 0.
    void ShuffleCategories(bool memoryVerses);
    // The stock of every code: questions of that type in the question list; code 42 holds
    // the number of memory verses.
    void CountStock();
    // Rounds whose six columns the stock can fill from the category order, Grab Bag making
    // up for missing columns.
    int CountPlayableRounds() const;
    // Fills a column of a round with six cells of a category and uses up six of its stock;
    // false (nothing changes) when fewer than six are left. Questions least known first.
    bool FillCategory(int code, int round, int column);
    // The code with the largest stock; the smallest code among equals.
    int MostStockedCategory() const;
    // Orders every column of rounds 1..rounds by sort key, ascending; equal keys keep their order.
    void SortColumns(int rounds);

    const TGameCell& Cell(int round, int cell) const { return m_cells[Index(round, cell)]; }
    const TColumnCaption& Caption(int round, int column) const;
    int CategoryAt(int round, int position) const;
    int WagerCell(int round) const { return m_wagerCell[round]; }
    std::int32_t Stock(int code) const { return m_stock[code]; }
    void SetStock(int code, std::int32_t count) { m_stock[code] = count; }
    void SetCategoryAt(int round, int position, int code);
    // Non-empty cells of a round.
    int FilledCells(int round) const;
    void Clear();

private:
    static int Index(int round, int cell);

    IGameMaterial& m_material;
    IRandom& m_random;
    TFixedArray<TGameCell, 0, GameMaxRounds * GameCells - 1> m_cells{"game board"};
    TFixedArray<TColumnCaption, 0, GameMaxRounds * GameColumns - 1> m_captions{"column captions"};
    TFixedArray<std::uint8_t, 0, GameMaxRounds * GameOrderPositions - 1> m_order{"category order"};
    TFixedArray<std::int32_t, 0, GameCategoryCodes - 1> m_stock{"category stock"};
    TFixedArray<std::int32_t, 1, GameMaxRounds> m_wagerCell{"wager cells"};
};

} // namespace sv
