// Feeds arbitrary bytes to the loader; range errors are the expected outcome of bad input,
// anything else (a crash, a sanitizer report) is a fault.
#include "common/Errors.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    try {
        sv::TWords w;
        sv::TBooks b(w);
        sv::TQuestions q(w, b);
        sv::TStreamReader r(bytes, "wf.qs");
        q.LoadFromStream(r);
        sv::TStreamWriter out;
        q.SaveToStream(out);
        sv::TWordPairs question, answer;
        for (int c = 0; c < 8; ++c)
            for (int i = 1; i <= q.QuestionCount(c) && i <= 16; ++i)
                q.QuestionWords({c, i}, sv::TQuestions::TWordsOf::QuestionAndAnswer, question, answer);
    } catch (const sv::ERangeError&) { }
    return 0;
}
