// A table of question keys (wf.qid, a person's .qid) of any length and content: refused with a
// range error, or read, written back byte for byte and used to carry a person's results over.
#include "common/Errors.h"
#include "common/LeStream.h"
#include "content/QuestionKeys.h"
#include "user/History.h"
#include "user/ProgressCarry.h"
#include "user/User.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    sv::TQuestionKeys keys;
    try {
        sv::TStreamReader r(bytes, "fuzz.qid");
        keys.LoadFromStream(r);
    } catch (const sv::ERangeError&) {
        return 0;
    }
    sv::TStreamWriter out;
    keys.SaveToStream(out);
    if (out.data() != bytes)
        std::abort();
    sv::TQuestionKeys other;
    other.Collection(1) = {{"id 1", "text Gal 1:1 0"}, {"quote Gal 2:20", ""}};
    sv::TUser user;
    sv::THistory history;
    sv::CarryProgress(keys, other, user, &history);
    sv::CarryProgress(other, keys, user, &history);
    return 0;
}
