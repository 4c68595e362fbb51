#pragma once
// TQuestionKeys: the stable identity of every question of a question file, by collection and
// number. The numbers of a collection follow the order of its questions' references, so adding
// one question renumbers every later one; the key does not change. The content compiler writes
// the table beside the content files ("wf.qid"); each person keeps beside the user file the
// table their results were written against ("Users/<FileName>.qid"), so that their results can
// follow their questions when the questions change (user/ProgressCarry.h).
//
// A key is a short text: "id 17" for an authored question with an id, "quote Gal 2:20",
// "finish Gal 2:20", "finish-with-reference Gal 2:20" and "book-and-chapter Gal 2:20" for the
// generated ones, "text Gal 1:4 <hash>" for an authored question that has no id yet. The
// alias of an authored question is always its text key, so that its results are found again
// when it is given an id; generated questions have no alias. The copies of a question in other
// collections carry the same key; within one collection a key stands once.
//
// File (little-endian): u32 version (1); the 32-byte SHA-256 of the question file the table
// describes; per collection 0..7 a u16 count (0..8191) and per question its key and its alias,
// each a length byte and that many Windows-1252 characters (a key has 1..255, an alias
// 0..255). Nothing may follow. A file that breaks any of this is refused whole.

#include "content/QuestionId.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sv {

class TStreamReader;
class TStreamWriter;

struct TQuestionKey {
    std::string Key;
    std::string Alias;
    bool operator==(const TQuestionKey&) const = default;
};

class TQuestionKeys {
public:
    static constexpr std::uint32_t FileVersion = 1;
    using TFingerprint = std::array<std::uint8_t, 32>;

    // The questions of a collection (0..7), numbered from 1 in the order of the vector.
    const std::vector<TQuestionKey>& Collection(int collection) const;
    std::vector<TQuestionKey>& Collection(int collection);
    // The key of one question; range error outside the table.
    const TQuestionKey& At(TQuestionAddr q) const;

    // The SHA-256 of the question file ("wf.qs") the table was made for.
    TFingerprint Fingerprint{};

    // Same questions in the same places (the fingerprint is not compared).
    bool SameQuestions(const TQuestionKeys& other) const { return m_collections == other.m_collections; }

    void SaveToStream(TStreamWriter& w) const;
    // Reads a whole table; on any fault throws ERangeError naming the file and what is wrong,
    // and the table is left as it was.
    void LoadFromStream(TStreamReader& r);
    // Atomic; EFileError "Cannot create file " + path on failure.
    void SaveToFile(const std::string& path) const;
    // EFileError "Cannot open file " + path when it cannot be read; ERangeError when damaged.
    void LoadFromFile(const std::string& path);

    // The SHA-256 of bytes, and of a whole file (EFileError "Cannot open file " + path).
    static TFingerprint FingerprintOf(const std::vector<std::uint8_t>& bytes);
    static TFingerprint FingerprintOfFile(const std::string& path);

private:
    std::array<std::vector<TQuestionKey>, MaxCollections> m_collections;
};

} // namespace sv
