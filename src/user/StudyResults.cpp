// The operations of the user data that follow the question store's duplicate chains or
// read the scripture store: recording answers and counting set uses.
#include "content/Books.h"
#include "content/Questions.h"
#include "user/DupChain.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/User.h"

namespace sv {

void TUser::RecordQuestion(int collection, int number, bool right, const TQuestions& questions)
{
    QuestionByte(collection, number); // range-check the question itself first
    ForEachCopy(collection, number, questions, [&](int c, int n) {
        std::uint8_t& b = QuestionByte(c, n);
        b = ApplyAnswer(b, right);
    });
}

void TUser::RecordMemoryVerse(const TVerseRef& ref, bool right, const TBooks& books)
{
    std::uint8_t& b = MemoryKnowledge[books.MemoryVerseNoOf(ref)];
    b = ApplyAnswer(b, right);
}

void THistory::CountUse(int collection, int number, const TQuestions& questions)
{
    ForEachCopy(collection, number, questions, [&](int c, int n) {
        std::uint8_t& b = At(c, n);
        if (b < 255)
            ++b;
    });
}

} // namespace sv
