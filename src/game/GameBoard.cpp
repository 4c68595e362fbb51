#include "game/GameBoard.h"

#include "common/Errors.h"
#include "common/Random.h"

#include <algorithm>
#include <array>

namespace sv {

namespace {
void CheckRound(int round)
{
    if (round < 1 || round > GameMaxRounds)
        ThrowIndex("game round", round, 1, GameMaxRounds);
}
} // namespace

TGameBoard::TGameBoard(IGameMaterial& material, IRandom& random) : m_material(material), m_random(random)
{
    m_wagerCell.fill(1);
}

int TGameBoard::Index(int round, int cell)
{
    CheckRound(round);
    if (cell < 1 || cell > GameCells)
        ThrowIndex("game board cell", cell, 1, GameCells);
    return (round - 1) * GameCells + cell - 1;
}

const TColumnCaption& TGameBoard::Caption(int round, int column) const
{
    CheckRound(round);
    return m_captions[(round - 1) * GameColumns + column - 1];
}

int TGameBoard::CategoryAt(int round, int position) const
{
    CheckRound(round);
    return m_order[(round - 1) * GameOrderPositions + position - 1];
}

void TGameBoard::SetCategoryAt(int round, int position, int code)
{
    CheckRound(round);
    m_order[(round - 1) * GameOrderPositions + position - 1] = static_cast<std::uint8_t>(code);
}

void TGameBoard::Clear()
{
    m_cells.fill(TGameCell{});
    m_captions.fill(TColumnCaption{});
}

int TGameBoard::FilledCells(int round) const
{
    int n = 0;
    for (int c = 1; c <= GameCells; ++c)
        n += Cell(round, c).Empty() ? 0 : 1;
    return n;
}

void TGameBoard::ShuffleCategories(bool memoryVerses)
{
    for (int r = 1; r <= GameMaxRounds; ++r) {
        bool memoryPlaced = false;
        std::array<bool, GameCategoryCodes> placed{};
        for (int p = 1; p <= GameOrderPositions; ++p) {
            int candidate = memoryVerses && p == 1 ? MemoryVerseCode : m_random.Random(GameOrderPositions);
            int chosen = GrabBagCode;
            for (int tries = 0; tries < GameCategoryCodes; ++tries) {
                const bool refused = (!memoryVerses && IsMemoryKind(candidate))
                                     || placed[static_cast<std::size_t>(candidate)]
                                     || (IsMemoryKind(candidate) && memoryPlaced);
                if (!refused) {
                    chosen = candidate;
                    placed[static_cast<std::size_t>(candidate)] = true;
                    memoryPlaced = memoryPlaced || IsMemoryKind(candidate);
                    break;
                }
                candidate = (candidate + 1) % GameCategoryCodes;
            }
            SetCategoryAt(r, p, chosen);
        }
    }
}

void TGameBoard::CountStock()
{
    m_stock.fill(0);
    const int n = m_material.QuestionCount();
    for (int i = 1; i <= n; ++i) {
        const int type = m_material.QuestionType(m_material.QuestionAt(i));
        if (type >= 0 && type < GameCategoryCodes)
            ++m_stock[type];
    }
    m_stock[MemoryVerseCode] = m_material.MemoryCount();
}

int TGameBoard::CountPlayableRounds() const
{
    std::array<std::int32_t, GameCategoryCodes> stock{};
    for (int c = 0; c < GameCategoryCodes; ++c)
        stock[static_cast<std::size_t>(c)] = m_stock[c];
    int rounds = 0;
    for (int r = 1; r <= GameMaxRounds; ++r) {
        int found = 0;
        for (int p = 1; p <= GameOrderPositions && found < GameColumns; ++p) {
            auto& s = stock[static_cast<std::size_t>(CategoryAt(r, p))];
            if (s >= GameRows) {
                s -= GameRows;
                ++found;
            }
        }
        if (found == GameColumns) {
            ++rounds;
            continue;
        }
        const int need = (GameColumns - found) * GameRows;
        if (stock[GrabBagCode] >= need) {
            stock[GrabBagCode] -= need;
            ++rounds;
        }
    }
    return rounds;
}

int TGameBoard::MostStockedCategory() const
{
    int best = 0;
    for (int c = 1; c < GameCategoryCodes; ++c)
        if (m_stock[c] > m_stock[best])
            best = c;
    return best;
}

bool TGameBoard::FillCategory(int code, int round, int column)
{
    if (code < 0 || code >= GameCategoryCodes || m_stock[code] < GameRows)
        return false;
    // A cell whose key is already on a board of this game (any round).
    auto onBoard = [this](TGameCellKind kind, int key) {
        return std::any_of(m_cells.begin(), m_cells.end(),
                           [&](const TGameCell& c) { return !c.Empty() && c.Kind == kind && c.Key == key; });
    };
    for (int i = 1; i <= GameRows; ++i) {
        TGameCell cell;
        if (code == MemoryVerseCode) {
            const int count = m_material.MemoryCount();
            int v = m_random.Random(count) + 1;
            // Every verse on the board already: the cell stays empty.
            for (int tries = 0; tries < count && onBoard(TGameCellKind::MemoryVerse, v); ++tries)
                v = v % count + 1;
            if (count > 0 && !onBoard(TGameCellKind::MemoryVerse, v))
                cell = TGameCell{static_cast<std::uint16_t>(v), TGameCellKind::MemoryVerse, 0};
        } else {
            const int count = m_material.QuestionCount();
            const int start = m_random.Random(count) + 1;
            // Least known first: the knowledge byte must equal the pass. A list whose entries
            // repeat a question can run out of new ones; past the largest byte the cell stays empty.
            auto fits = [&](TQuestionAddr q) {
                return m_material.QuestionType(q) == code && !onBoard(TGameCellKind::Question, q.Id());
            };
            int pass = 0;
            int k = start;
            while (count > 0 && pass <= 255) {
                k = k % count + 1;
                if (k == start)
                    ++pass;
                const TQuestionAddr q = m_material.QuestionAt(k);
                if (fits(q) && m_material.Knowledge(q) == pass) {
                    cell = TGameCell{q.Id(), TGameCellKind::Question, 0};
                    break;
                }
            }
            // The entry at the start is first looked at in pass 1, so a start entry with
            // knowledge 0 is never taken by the walk; when it is the only one left, it fills
            // the cell all the same.
            if (cell.Empty() && count > 0 && fits(m_material.QuestionAt(start)))
                cell = TGameCell{m_material.QuestionAt(start).Id(), TGameCellKind::Question, 0};
        }
        if (!cell.Empty()) {
            TMarkedText question, answer;
            m_material.Compose(cell, question, answer);
            cell.SortKey = answer.Len;
        }
        m_cells[Index(round, CellOf(column, i))] = cell;
    }
    m_stock[code] -= GameRows;
    auto& caption = m_captions[(round - 1) * GameColumns + column - 1];
    caption.Code = code;
    caption.Text = CategoryCaption(code);
    return true;
}

void TGameBoard::SortColumns(int rounds)
{
    for (int r = 1; r <= rounds; ++r) {
        for (int col = 1; col <= GameColumns; ++col) {
            TGameCell* first = &m_cells[Index(r, CellOf(col, 1))];
            std::stable_sort(first, first + GameRows,
                             [](const TGameCell& a, const TGameCell& b) { return a.SortKey < b.SortKey; });
        }
    }
}

int TGameBoard::BuildBoards(bool memoryVerses)
{
    ShuffleCategories(memoryVerses);
    CountStock();
    const int rounds = CountPlayableRounds();
    Clear();
    for (int r = 1; r <= rounds; ++r) {
        int column = 1;
        for (int p = 1; p <= GameOrderPositions && column <= GameColumns; ++p)
            if (FillCategory(CategoryAt(r, p), r, column))
                ++column;
        for (; column <= GameColumns; ++column)
            FillCategory(MostStockedCategory(), r, column);
    }
    SortColumns(rounds);
    for (int r = 1; r <= GameMaxRounds; ++r)
        m_wagerCell[r] = m_random.Random(GameCells) + 1;
    return rounds;
}

} // namespace sv
