#pragma once
// What the game board draws its cells from: the question list and the memory-verse list
// built by the set-up, the question types, the person's knowledge bytes, the wording of a
// cell and the recording of an answer. TListGameMaterial is the program's; tests use a
// scripted one.

#include "content/MarkedText.h"
#include "content/QuestionId.h"
#include "study/SessionPorts.h"

#include <cstdint>

namespace sv {

class TBooks;
class TMVList;
class TQsList;
class TQuestions;
class TUser;

// Kinds of a board cell.
enum class TGameCellKind : std::uint8_t { Question = 0, MemoryVerse = 42 };

// One board cell: a question (its QuestionId) or a memory verse (its entry 1..Count of the
// memory-verse list); key 0 is an empty cell. The sort key is the length of the composed
// answer.
struct TGameCell {
    std::uint16_t Key = 0;
    TGameCellKind Kind = TGameCellKind::Question;
    std::int32_t SortKey = 0;

    bool Empty() const { return Key == 0; }
    bool operator==(const TGameCell&) const = default;
};

class IGameMaterial {
public:
    virtual ~IGameMaterial() = default;
    // The question list: entries 1..QuestionCount.
    virtual int QuestionCount() const = 0;
    virtual TQuestionAddr QuestionAt(int entry) const = 0;
    virtual int QuestionType(TQuestionAddr q) const = 0;
    // The person's knowledge byte of a question.
    virtual std::uint8_t Knowledge(TQuestionAddr q) const = 0;
    // The memory-verse list: entries 1..MemoryCount.
    virtual int MemoryCount() const = 0;
    // Composes a cell without keyword colours (the whole question at once).
    virtual void Compose(const TGameCell& cell, TMarkedText& question, TMarkedText& answer) const = 0;
    // Records an answer in the person's knowledge bytes.
    virtual void Record(const TGameCell& cell, bool right) = 0;
    // The passage of a cell for the word-study window.
    virtual TStudyPassage Passage(const TGameCell& /*cell*/) const { return {}; }
};

// The game's material over the program's working lists and stores.
class TListGameMaterial final : public IGameMaterial {
public:
    TListGameMaterial(const TQsList& questionList, const TMVList& memoryList, const TQuestions& questions,
                      const TBooks& books, TUser& user);

    int QuestionCount() const override;
    TQuestionAddr QuestionAt(int entry) const override;
    int QuestionType(TQuestionAddr q) const override;
    std::uint8_t Knowledge(TQuestionAddr q) const override;
    int MemoryCount() const override;
    void Compose(const TGameCell& cell, TMarkedText& question, TMarkedText& answer) const override;
    void Record(const TGameCell& cell, bool right) override;
    TStudyPassage Passage(const TGameCell& cell) const override;

private:
    const TQsList& m_questionList;
    const TMVList& m_memoryList;
    const TQuestions& m_questions;
    const TBooks& m_books;
    TUser& m_user;
    TKeywordTags m_noColours{"game wording colours"};
};

} // namespace sv
