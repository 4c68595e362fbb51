// The recording operations of TUser that read the content stores.
#include "content/Books.h"
#include "content/Questions.h"
#include "user/DupChain.h"
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

} // namespace sv
