#pragma once
// THistory, the set history: how often each question has been used in generated question
// sets, one byte (0..255) per question, 8 collections x 8191. Its file is the user file's
// path with "h" appended and holds exactly these 65528 bytes.

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "content/QuestionId.h"

#include <cstdint>
#include <string>

namespace sv {

class TQuestions;

class THistory {
public:
    static constexpr std::size_t FileSize = 65528;

    THistory() = default; // all zero
    virtual ~THistory() = default;

    virtual void SaveToStream(TStreamWriter& w) const;
    // Reads up to 65528 bytes; a shorter stream leaves the rest unchanged.
    virtual void LoadFromStream(TStreamReader& r);

    // Throws EFileError "Cannot open file " + path when the file cannot be read.
    void LoadFromFile(const std::string& path);
    // Atomic: on failure throws EFileError "Cannot create file " + path and the old file
    // stays as it was.
    void SaveToFile(const std::string& path) const;

    // All counts 0.
    void Clear();

    // The use count of a question (collection 0..7, number 1..8191); range error outside.
    std::uint8_t SetUseCount(TQuestionAddr q) const;
    // Counts one use of the question and of every copy along its DupLink chain
    // (a count of 255 stays 255).
    void CountUse(TQuestionAddr q, const TQuestions& questions);

    // Direct access for loading and tests.
    std::uint8_t& At(TQuestionAddr q);

private:
    TFixedArray<std::uint8_t, 0, 65527> m_uses{"set history"};
};

} // namespace sv
