#pragma once
// TGameQuestionAsker: the study session window in game mode (kind 3). It shows the question
// of a board cell whole, with a 30-second countdown and the points it is worth; Right and
// Wrong (or R and W) go to the game window, and the window is minimised until the next pick.

#include "game/GameMaterial.h"
#include "study/gui/QuestionAsker.h"

#include <functional>

class QLabel;

namespace sv {

class TGameItems;

// Whether the points at stake are the cell's value or the player's wager.
enum class TGameStake { CellValue, Wager };

class TGameQuestionAsker : public TQuestionAsker {
    Q_OBJECT
public:
    // grade receives true for Right and false for Wrong. material gives the passage the
    // word-study window shows for the cell.
    TGameQuestionAsker(const TStudyContext& context, const IGameMaterial& material,
                       std::function<void(bool right)> grade, QWidget* parent = nullptr);

    // Shows a cell's question worth stake points (a wager when wagered): restores and enables
    // the window, the countdown from 30.
    void ShowNextQuestion(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell, int stake,
                          TGameStake kind);

    void GameRight() override;
    void GameWrong() override;
    void MinimiseSelf() override;

private:
    TGameItems* m_gameItems;
    QLabel* m_stake; // "For 300 points", "Wager: 500 points"; objectName "StakeLabel"

    std::function<void(bool)> m_grade;
};

} // namespace sv
