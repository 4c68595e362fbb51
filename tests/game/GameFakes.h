#pragma once
// Fakes for driving the game logic: a scripted material of questions and memory verses and
// a host that records what the game window would show.

#include "game/GameLogic.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace sv::test {

// Questions with a type, a knowledge byte and an answer length; keys are 1..n in collection 0.
class FakeMaterial : public IGameMaterial {
public:
    struct Question {
        int Type = 3;
        std::uint8_t Knowledge = 7;
        int AnswerLen = 10;
    };
    std::vector<Question> questions;   // entry i is questions[i - 1], id i
    std::vector<TQuestionId> entries;  // when set, the list's entries (ids may repeat)
    std::vector<int> memoryAnswerLens; // memory verse v is memoryAnswerLens[v - 1]
    std::vector<std::string> recorded;

    // count questions of a type, answer lengths lenFrom, lenFrom+1, ... (cyclic over 20).
    void Add(int type, int count, int lenFrom = 5)
    {
        for (int i = 0; i < count; ++i)
            questions.push_back({type, 7, lenFrom + (i * 7) % 20});
    }

    int QuestionCount() const override
    {
        return entries.empty() ? static_cast<int>(questions.size()) : static_cast<int>(entries.size());
    }
    TQuestionAddr QuestionAt(int entry) const override
    {
        return TQuestionAddr::FromId(entries.empty() ? static_cast<TQuestionId>(entry)
                                                     : entries.at(static_cast<std::size_t>(entry - 1)));
    }
    int QuestionType(TQuestionAddr q) const override { return Q(q.Id()).Type; }
    std::uint8_t Knowledge(TQuestionAddr q) const override { return Q(q.Id()).Knowledge; }
    int MemoryCount() const override { return static_cast<int>(memoryAnswerLens.size()); }
    void Compose(const TGameCell& cell, TMarkedText& question, TMarkedText& answer) const override
    {
        question = TMarkedText();
        answer = TMarkedText();
        const bool memory = cell.Kind == TGameCellKind::MemoryVerse;
        question.Append((memory ? "M" : "Q") + std::to_string(cell.Key));
        question.RevealPos = question.Len;
        const int len = memory ? memoryAnswerLens.at(cell.Key - 1u) : Q(cell.Key).AnswerLen;
        answer.Append(std::string(static_cast<std::size_t>(len), 'a'));
    }
    void Record(const TGameCell& cell, bool right) override
    {
        recorded.push_back((cell.Kind == TGameCellKind::MemoryVerse ? "M" : "Q") + std::to_string(cell.Key)
                           + (right ? " right" : " wrong"));
    }

private:
    const Question& Q(TQuestionId id) const { return questions.at(id - 1u); }
};

class FakeGameHost : public IGameHost {
public:
    int changes = 0;
    int stopSounds = 0;
    std::vector<std::string> warnings, infos, confirms;
    std::deque<bool> answers;
    std::vector<int> wagers; // limits of the wager windows opened
    std::vector<std::string> asked;
    void ViewChanged() override { ++changes; }
    void Warning(const std::string& t) override { warnings.push_back(t); }
    void Information(const std::string& t) override { infos.push_back(t); }
    bool Confirm(const std::string& t) override
    {
        confirms.push_back(t);
        if (answers.empty())
            throw std::logic_error("unexpected question: " + t);
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void StopSound() override { ++stopSounds; }
    void OpenWager(int limit) override { wagers.push_back(limit); }
    void AskQuestion(const TMarkedText& q, const TMarkedText&, const TGameCell&) override { asked.push_back(q.Text()); }
};

} // namespace sv::test
