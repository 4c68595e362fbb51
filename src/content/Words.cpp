#include "content/Words.h"

#include "common/Errors.h"
#include "common/FieldIO.h"
#include "common/Win1252.h"

#include <utility>

namespace sv {

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The NUL-terminated text at pos (stops at the end of the array).
std::string CString(const TDynArray<std::uint8_t>& chars, long long pos)
{
    std::string s;
    const auto& v = chars.items();
    if (pos < 1 || pos >= static_cast<long long>(v.size()))
        chars[pos]; // throws the array's range error
    for (auto i = static_cast<std::size_t>(pos); i < v.size() && v[i] != 0; ++i)
        s.push_back(static_cast<char>(v[i]));
    return s;
}

} // namespace

TWords::TWords()
{
    Data.SepCount = 2;
    Data.SepTextSize = 4;
    FitArrays();
    Data.SepStart[1] = 1;
    Data.SepStart[2] = 3;
    Data.SepText[1] = ' ';
    Data.SepText[3] = '[';
}

void TWords::FitArrays()
{
    Data.Occurrences.setLength(Data.OccCount > 0 ? Data.OccCount + 1LL : 0);
    Data.WordRecs.setLength(Data.TotalWords + 1LL);
    Data.WordChars.setLength(Data.TextSize + 1LL);
    Data.SepStart.setLength(Data.SepCount + 1LL);
    Data.SepText.setLength(Data.SepTextSize + 1LL);
}

void TWords::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path, TShortReads::Fail);
    LoadFromStream(r);
}

template <class Self, class Io>
void TWordsData::Fields(Self& s, Io& io)
{
    io(s.WordCount), io(s.Reserved), io(s.TotalWords);
    io.CheckCount("TotalWords", s.TotalWords, 0, WordIndexMask);
    io.CheckCount("WordCount", s.WordCount, 0, s.TotalWords);
    io(s.TextSize), io(s.SepCount), io(s.SepTextSize), io(s.OccCount);
    io.CheckCount("OccCount", s.OccCount, 0, 0x7FFFFFFE);
    io(s.Frequent);
    if (s.OccCount > 0) {
        io.RequireBytes(2 * (s.OccCount + 1LL), "Occurrences");
        io.Entries(s.Occurrences, 0, s.OccCount);
    }
    io.RequireBytes(10LL * s.TotalWords, "WordRecs");
    io.Entries(s.WordRecs, 1, s.TotalWords);
    io.RequireBytes(s.TextSize, "WordChars");
    io.Entries(s.WordChars, 1, s.TextSize);
    io.RequireBytes(2LL * s.SepCount, "SepStart");
    io.Entries(s.SepStart, 1, s.SepCount);
    io.RequireBytes(s.SepTextSize, "SepText");
    io.Entries(s.SepText, 1, s.SepTextSize);
}

void TWords::LoadFromStream(TStreamReader& r)
{
    TWordsData d;
    TFieldReader io(r);
    TWordsData::Fields(d, io);
    Data = std::move(d);
    m_loaded = true;
    m_frequentStale = false;
}

void TWords::SaveToStream(TStreamWriter& w)
{
    if (!m_loaded) {
        FitArrays();
        if (m_frequentStale)
            RebuildFrequent();
    }
    TFieldWriter io(w);
    TWordsData::Fields(std::as_const(Data), io);
}

void TWords::RebuildFrequent()
{
    Data.Frequent.fill(0);
    int n = 0;
    for (int u = 255; u >= 1 && n < 63; --u)
        for (int i = 1; i <= Data.WordCount && n < 63; ++i)
            if (Data.WordRecs[i].UseCount == u)
                Data.Frequent[++n] = static_cast<std::uint16_t>(i);
    m_frequentStale = false;
}

int TWords::WordCount() const
{
    if (Data.WordCount >= 32768)
        ThrowRange("Range check error: word count " + std::to_string(Data.WordCount));
    return Data.WordCount;
}

std::string TWords::RawWordText(TWordCode code) const
{
    const int index = WordIndexOf(code);
    if (index == 0)
        return {};
    return CString(Data.WordChars, Data.WordRecs[index].TextStart);
}

std::string TWords::WordText(TWordCode code) const
{
    std::string s = RawWordText(code);
    if (code & WordAsStored)
        return s;
    for (char& c : s)
        c = LowerAscii(c);
    if ((code & WordCapitalise) && !s.empty())
        s[0] = UpperAscii(s[0]);
    return s;
}

std::string TWords::SeparatorText(TSeparatorCode code) const
{
    if (code == 0)
        return {};
    return CString(Data.SepText, Data.SepStart[code]);
}

TWordPair TWords::DecodePair(const TCodeStream& code, long long& pos) const
{
    const std::uint8_t b = code[pos];
    TWordPair p;
    if (b < 0x80) {
        const int f = b & 0x3F;
        if (f == 0)
            ThrowRange("Range check error: frequent-word index 0 in a text code");
        p.WordCode = static_cast<TWordCode>(Data.Frequent[f] | ((b & 0x40) ? WordCapitalise : 0));
        p.SeparatorCode = 1;
        pos += 1;
    } else if (b < 0xA0) {
        p.WordCode = static_cast<TWordCode>(b * 256 + code[pos + 1]);
        p.SeparatorCode = 1;
        pos += 2;
    } else if (b < 0xC0) {
        const int f = b & 0x0F;
        if (f == 0)
            ThrowRange("Range check error: frequent-word index 0 in a text code");
        p.WordCode = static_cast<TWordCode>(Data.Frequent[f] | ((b & 0x10) ? WordCapitalise : 0));
        p.SeparatorCode = code[pos + 1];
        pos += 2;
    } else {
        p.WordCode = static_cast<TWordCode>(b * 256 + code[pos + 1]);
        p.SeparatorCode = code[pos + 2];
        pos += 3;
    }
    return p;
}

void TWords::DecodePairText(const TCodeStream& code, long long& pos, std::string& word, std::string& separator) const
{
    const bool implicitSpace = code[pos] < 0xA0;
    const TWordPair p = DecodePair(code, pos);
    word = WordText(p.WordCode);
    separator = implicitSpace ? std::string(" ") : SeparatorText(p.SeparatorCode);
}

std::uint8_t TWords::UseCountOf(TWordCode code) const { return Data.WordRecs[WordIndexOf(code)].UseCount; }

std::uint8_t TWords::FirstChapterOf(TWordCode code) const { return Data.WordRecs[WordIndexOf(code)].FirstChapter; }

std::uint8_t TWords::CategoryOf(int index) const { return Data.WordRecs[index].Category; }

int TWords::CompareWith(std::string_view text, int index) const
{
    const std::string stored = RawWordText(static_cast<TWordCode>(index));
    const std::size_t n = std::min(text.size(), stored.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(LowerAscii(text[i]));
        const auto b = static_cast<unsigned char>(LowerAscii(stored[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (text.size() == stored.size())
        return 0;
    return text.size() < stored.size() ? -1 : 1;
}

TWordCode TWords::FindWord(std::string_view text) const
{
    int found = 0;
    int lo = 1, hi = WordCount();
    while (lo <= hi && found == 0) {
        const int mid = (lo + hi) / 2;
        const int c = CompareWith(text, mid);
        if (c == 0)
            found = mid;
        else if (c < 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    for (int i = WordCount() + 1; found == 0 && i <= Data.TotalWords; ++i)
        if (CompareWith(text, i) == 0)
            found = i;
    if (found == 0)
        return 0;
    if (text.size() < 2 || text[1] < 'A' || text[1] > 'Z') {
        const std::string stored = RawWordText(static_cast<TWordCode>(found));
        const bool sameFirst = !stored.empty() && !text.empty() && stored[0] == text[0];
        return static_cast<TWordCode>(found | (sameFirst ? WordCapitalise : 0));
    }
    return static_cast<TWordCode>(found | WordAsStored);
}

int TWords::FirstOccurrence(int index) const { return Data.WordRecs[index].FirstOcc; }

int TWords::LastOccurrence(int index) const
{
    if (index < WordCount()) {
        const int next = Data.WordRecs[index + 1].FirstOcc;
        if (next == 0)
            ThrowRange("Range check error: word " + std::to_string(index + 1) + " has no first occurrence");
        return next - 1;
    }
    Data.WordRecs[index]; // the index itself must exist
    return Data.OccCount;
}

std::int16_t TWords::Occurrence(int entry) const { return Data.Occurrences[entry]; }

bool TWords::PassesFilter(int index, int useLimit, TCategorySet groups, int throughChapter) const
{
    const TWordRec& w = Data.WordRecs[index];
    if (w.UseCount > useLimit)
        return false;
    if (groups != 0 && (w.Category > 15 || (groups & (1u << w.Category)) == 0))
        return false;
    return w.FirstChapter <= throughChapter;
}

int TWords::CountFiltered(int useLimit, TCategorySet groups, int throughChapter) const
{
    int n = 0;
    for (int i = 1; i <= WordCount(); ++i)
        n += PassesFilter(i, useLimit, groups, throughChapter) ? 1 : 0;
    return n;
}

int TWords::NthFiltered(int n, int useLimit, TCategorySet groups, int throughChapter) const
{
    int k = 0;
    for (int i = 1; i <= WordCount(); ++i)
        if (PassesFilter(i, useLimit, groups, throughChapter) && ++k == n)
            return i;
    return 1;
}

int TWords::SkipFiltered(int start, int n, int useLimit, TCategorySet groups, int throughChapter) const
{
    const int last = WordCount();
    int i = start;
    for (int k = 0; k < n; ++k) {
        ++i;
        while (i <= last && !PassesFilter(i, useLimit, groups, throughChapter))
            ++i;
        if (i > last)
            return last + 1;
    }
    return i;
}

int TWords::LocateFiltered(std::string_view text, int useLimit, TCategorySet groups, int throughChapter) const
{
    int lo = 1, hi = WordCount();
    int probe = 0, cmp = 0;
    while (lo <= hi) {
        probe = (lo + hi) / 2;
        cmp = CompareWith(text, probe);
        if (cmp == 0)
            break;
        if (cmp < 0)
            hi = probe - 1;
        else
            lo = probe + 1;
    }
    const bool after = cmp > 0;
    const int p = probe + (after ? 1 : 0);
    int passing = 0;
    for (int i = 1; i <= p && i <= WordCount(); ++i)
        passing += PassesFilter(i, useLimit, groups, throughChapter) ? 1 : 0;
    return passing + ((after && p > passing) ? 1 : 0);
}

} // namespace sv
