// The operations of the user data that follow the question store's duplicate chains or
// read the scripture store: recording answers and counting set uses.
#include "content/Books.h"
#include "content/Questions.h"
#include "user/DupChain.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/User.h"

namespace sv {

void TUser::RecordQuestion(TQuestionAddr q, bool right, const TQuestions& questions)
{
    QuestionByte(q); // range-check the question itself first
    ForEachCopy(q, questions, [&](TQuestionAddr copy) {
        std::uint8_t& b = QuestionByte(copy);
        b = ApplyAnswer(b, right);
    });
}

void TUser::RecordMemoryVerse(const TVerseRef& ref, bool right, const TBooks& books)
{
    std::uint8_t& b = MemoryKnowledge[books.MemoryVerseNoOf(ref)];
    b = ApplyAnswer(b, right);
}

void THistory::CountUse(TQuestionAddr q, const TQuestions& questions)
{
    ForEachCopy(q, questions, [&](TQuestionAddr copy) {
        std::uint8_t& b = At(copy);
        if (b < 255)
            ++b;
    });
}

} // namespace sv
