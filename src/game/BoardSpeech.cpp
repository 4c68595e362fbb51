#include "game/BoardSpeech.h"

#include "game/GameRules.h"

namespace sv {

namespace {
std::string Category(const TGameView& view, int column)
{
    std::string text = view.ColumnCaptions[static_cast<std::size_t>(column - 1)];
    // A caption shows "&&" as one ampersand.
    for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1))
        text.erase(at, 1);
    return text;
}
} // namespace

std::string CellSpeech(const TGameView& view, int cell)
{
    const auto i = static_cast<std::size_t>(cell - 1);
    std::string text = Category(view, ColumnOfCell(cell)) + ", ";
    if (view.ButtonUsed[i])
        return text + "used";
    std::string value = view.ButtonTexts[i];
    while (!value.empty() && value.front() == ' ')
        value.erase(0, 1);
    while (!value.empty() && value.back() == ' ')
        value.pop_back();
    if (value.empty())
        return text + "empty";
    return text + value + " points, " + (view.ButtonEnabled[i] && view.Enabled ? "open" : "not open");
}

std::string ScoreSpeech(const TGameView& view)
{
    std::string text;
    for (std::size_t p = 0; p < view.PlayerNames.size(); ++p) {
        if (!view.PlayerVisible[p] || view.PlayerNames[p].empty())
            continue;
        if (!text.empty())
            text += ", ";
        text += view.PlayerNames[p] + " " + view.Scores[p];
    }
    return text;
}

std::string GradeSpeech(bool right, const TGameView& view)
{
    return std::string(right ? "Right. " : "Wrong. ") + ScoreSpeech(view);
}

std::vector<std::string> TBoardAnnouncements::Next(const TGameView& view, bool gameOver)
{
    std::vector<std::string> out;
    // The board empties its caption while it scatters: nothing to say then.
    if (!view.Caption.empty() && view.Caption != m_caption)
        out.push_back(gameOver && !m_gameOver ? view.Caption + ". " + ScoreSpeech(view) : view.Caption);
    if (!view.Caption.empty())
        m_caption = view.Caption;
    m_gameOver = gameOver;
    return out;
}

} // namespace sv
