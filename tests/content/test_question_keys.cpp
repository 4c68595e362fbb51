// The table of question keys ("wf.qid" and the person's copy): written and read back, and
// every kind of damage refused whole with the file named.

#include "common/Errors.h"
#include "common/LeStream.h"
#include "content/QuestionKeys.h"

#include <gtest/gtest.h>

#include <functional>

using namespace sv;

namespace {

TQuestionKeys Sample()
{
    TQuestionKeys k;
    k.Fingerprint.fill(0xAB);
    k.Collection(0) = {{"quote Gal 2:20", ""}, {"finish Gal 2:20", ""}};
    k.Collection(1) = {{"id 3", "text Gal 1:4 0123456789ab"},
                       {"text Gal 1:6 ba9876543210", "text Gal 1:6 ba9876543210"}};
    k.Collection(7) = {{"id 3", "text Gal 1:4 0123456789ab"}};
    return k;
}

std::vector<std::uint8_t> Bytes(const TQuestionKeys& k)
{
    TStreamWriter w;
    k.SaveToStream(w);
    return w.data();
}

} // namespace

TEST(QuestionKeys, RoundTripsAndAnswersByPlace)
{
    const TQuestionKeys k = Sample();
    const auto bytes = Bytes(k);
    // version, fingerprint, eight counts, then each key and alias with its length byte.
    EXPECT_EQ(bytes.size(),
              4u + 32 + 8 * 2 + (1 + 14 + 1) + (1 + 15 + 1) + (1 + 4 + 1 + 25) + (1 + 25 + 1 + 25) + (1 + 4 + 1 + 25));
    TQuestionKeys read;
    TStreamReader r(bytes, "wf.qid");
    read.LoadFromStream(r);
    EXPECT_TRUE(read.SameQuestions(k));
    EXPECT_EQ(read.Fingerprint, k.Fingerprint);
    EXPECT_EQ(read.At({1, 2}).Key, "text Gal 1:6 ba9876543210");
    EXPECT_EQ(read.At({7, 1}).Alias, "text Gal 1:4 0123456789ab");
    EXPECT_THROW(read.At({1, 3}), ERangeError);
    EXPECT_THROW(read.At({8, 1}), ERangeError);
}

TEST(QuestionKeys, DamagedTablesAreRefusedWholeAndNameTheFile)
{
    const auto good = Bytes(Sample());
    const struct {
        const char* Name;
        std::function<void(std::vector<std::uint8_t>&)> Damage;
        const char* Expect;
    } cases[] = {
        {"unknown version", [](auto& b) { b[0] = 2; }, "version 2 is not known"},
        {"cut short", [](auto& b) { b.resize(b.size() - 3); }, "truncated"},
        {"cut in the fingerprint", [](auto& b) { b.resize(20); }, "truncated"},
        {"bytes after the end", [](auto& b) { b.push_back(0); }, "1 bytes after the last question"},
        {"count beyond the file",
         [](auto& b) {
             b[36] = 0xFF;
             b[37] = 0x1F;
         },
         "does not fit"},
        {"empty key", [](auto& b) { b[38] = 0; }, "empty question key"},
        {"a key twice in a collection",
         [](auto& b) {
             // The second key of collection 0 rewritten as a copy of the first.
             const std::vector<std::uint8_t> first(b.begin() + 38, b.begin() + 38 + 1 + 14 + 1);
             std::vector<std::uint8_t> out(b.begin(), b.begin() + 38);
             out.insert(out.end(), first.begin(), first.end());
             out.insert(out.end(), first.begin(), first.end());
             out.insert(out.end(), b.begin() + 38 + 16 + 17, b.end());
             b = out;
         },
         "stands twice in one collection"},
    };
    for (const auto& c : cases) {
        auto bytes = good;
        c.Damage(bytes);
        TQuestionKeys k = Sample();
        k.Collection(3) = {{"kept", ""}};
        TStreamReader r(bytes, "Users/Ann.qid");
        try {
            k.LoadFromStream(r);
            ADD_FAILURE() << c.Name << ": accepted";
        } catch (const ERangeError& e) {
            EXPECT_NE(std::string(e.what()).find("Users/Ann.qid"), std::string::npos) << c.Name << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Expect), std::string::npos) << c.Name << ": " << e.what();
        }
        // Nothing of a refused table is taken.
        EXPECT_EQ(k.Collection(3).size(), 1u) << c.Name;
        EXPECT_EQ(k.Collection(0).size(), 2u) << c.Name;
    }
}

TEST(QuestionKeys, AMissingFileIsCannotOpen)
{
    TQuestionKeys k;
    EXPECT_THROW(k.LoadFromFile("/nonexistent/wf.qid"), EFileError);
}
