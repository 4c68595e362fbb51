#include "compiler/WordListBuilder.h"

#include "common/Errors.h"
#include "content/Words.h"

#include <algorithm>

namespace sv::content {

std::string CapitaliseAscii(const std::string& lower)
{
    std::string s = lower;
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

TCaseForm CaseFormOf(const std::string& word)
{
    const std::string lower = LowerAscii(word);
    if (word == lower)
        return TCaseForm::Lower;
    if (word == CapitaliseAscii(lower))
        return TCaseForm::Capitalised;
    return TCaseForm::Mixed;
}

void TWordListBuilder::AddWord(const std::string& word, bool midSentence, bool scripture, int verseNo, int chapterNo,
                               const std::string& where)
{
    if (m_finished)
        ThrowRange("word list already finished");
    TGroup& g = m_groups[LowerAscii(word)];
    const TCaseForm form = CaseFormOf(word);
    if (scripture) {
        if (!g.Scripture) {
            g.Scripture = true;
            g.FirstChapter = chapterNo;
        }
        ++g.Uses;
        g.Occurrences.push_back(static_cast<std::int16_t>(verseNo));
        if (form == TCaseForm::Mixed) {
            if (g.Irregular.empty()) {
                g.Irregular = word;
                g.IrregularWhere = where;
            } else if (g.Irregular != word) {
                throw ESourceError(where, 0,
                                   "the word is written \"" + word + "\" here and \"" + g.Irregular + "\" at "
                                       + g.IrregularWhere + "; one word can keep only one mixed-case spelling");
            }
        }
        if (form == TCaseForm::Lower)
            ++g.LowerUses;
        if (form == TCaseForm::Capitalised && midSentence) {
            ++g.CapitalisedMidUses;
            if (!g.CapitalisedMid) {
                g.CapitalisedMid = true;
                g.CapWhere = where;
            }
        }
    } else {
        if (g.FirstOtherWhere.empty())
            g.FirstOtherWhere = where;
        if (form == TCaseForm::Mixed
            && std::find(g.OtherIrregular.begin(), g.OtherIrregular.end(), word) == g.OtherIrregular.end())
            g.OtherIrregular.push_back(word);
        if (form == TCaseForm::Capitalised && midSentence)
            g.CapitalisedMid = true;
    }
}

void TWordListBuilder::AddSep(const std::string& sep)
{
    if (!sep.empty())
        ++m_sepUses[sep];
}

void TWordListBuilder::AddScripture(const std::vector<TToken>& tokens, int verseNo, int chapterNo,
                                    const std::string& where)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].Word.empty())
            AddWord(tokens[i].Word, !StartsSentence(tokens, i), true, verseNo, chapterNo, where);
        AddSep(tokens[i].Sep);
    }
}

void TWordListBuilder::AddOther(const std::vector<TToken>& tokens, const TSourcePos& where)
{
    const std::string w = where.Line > 0 ? where.File + ":" + std::to_string(where.Line) : where.File;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].Word.empty())
            AddWord(tokens[i].Word, !StartsSentence(tokens, i), false, 0, 0, w);
        AddSep(tokens[i].Sep);
    }
}

void TWordListBuilder::Finish(const TWordGroups* groups, TWords& words)
{
    if (m_finished)
        ThrowRange("word list already finished");
    m_finished = true;

    // Stored letters of each group.
    for (auto& [key, g] : m_groups) {
        if (!g.Irregular.empty())
            g.Stored = g.Irregular;
        else if (!g.Scripture && !g.OtherIrregular.empty())
            g.Stored = g.OtherIrregular.front();
        else if (g.CapitalisedMid)
            g.Stored = CapitaliseAscii(key);
        else
            g.Stored = key;
    }

    // Sorted words (the scripture's), in key order; then extra words.
    std::vector<TGroup*> order;
    for (auto& [key, g] : m_groups)
        if (g.Scripture)
            order.push_back(&g);
    m_sortedCount = static_cast<int>(order.size());
    for (auto& [key, g] : m_groups)
        if (!g.Scripture)
            order.push_back(&g);
    int index = 0;
    for (TGroup* g : order)
        g->Index = ++index;
    // Mixed-case spellings of other texts that the stored letters cannot produce.
    std::vector<std::pair<std::string, const TGroup*>> variants;
    for (TGroup* g : order)
        for (const auto& v : g->OtherIrregular)
            if (v != g->Stored && !m_variants.count(v)) {
                m_variants[v] = ++index;
                variants.emplace_back(v, g);
            }
    m_totalCount = index;
    if (m_totalCount > 4095)
        throw ESourceError("word list", 0,
                           "the content has " + std::to_string(m_totalCount)
                               + " distinct words; a word index has 12 bits (at most 4095)");

    // Word groups: words the scripture capitalises in mid-sentence must be covered.
    if (groups) {
        TProblems missing;
        for (TGroup* g : order) {
            if (!g->Scripture || !g->CapitalisedMid || !g->Irregular.empty())
                continue;
            if (!groups->FindExact(g->Stored))
                missing.Add(ESourceError(groups->File, 0,
                                         "\"" + g->Stored + "\" is capitalised in mid-sentence (" + g->CapWhere
                                             + ") but the table has no entry \"" + g->Stored + "\""));
        }
        missing.ThrowIfAny();
    }

    TWordsData& d = words.Data;
    d = TWordsData{};
    d.WordCount = static_cast<std::uint16_t>(m_sortedCount);
    d.TotalWords = static_cast<std::uint16_t>(m_totalCount);
    d.WordRecs.setLength(m_totalCount + 1);
    std::vector<std::uint8_t> chars;
    std::vector<std::int16_t> occ{0};
    auto addText = [&](const std::string& s) {
        const std::size_t start = chars.size() + 1;
        chars.insert(chars.end(), s.begin(), s.end());
        chars.push_back(0);
        if (start > 65535 || chars.size() > 65535)
            throw ESourceError("word list", 0, "the word texts exceed 65535 bytes");
        return static_cast<std::uint16_t>(start);
    };
    auto category = [&](const std::string& stored, bool scripture) -> std::uint8_t {
        if (!groups)
            return 255;
        if (auto c = groups->Find(stored))
            return static_cast<std::uint8_t>(*c);
        if (scripture)
            ++m_uncategorised;
        return 255;
    };
    // A scripture word listed both capitalised and in lower case: the use the text mostly
    // writes decides.
    auto groupCategory = [&](const TGroup& g) -> std::uint8_t {
        if (!groups || !g.Scripture || !g.Irregular.empty())
            return category(g.Stored, g.Scripture);
        const std::string lower = LowerAscii(g.Stored);
        const auto cap = groups->FindExact(CapitaliseAscii(lower));
        const auto low = groups->FindExact(lower);
        if (!cap || !low)
            return category(g.Stored, g.Scripture);
        return static_cast<std::uint8_t>(g.CapitalisedMidUses > g.LowerUses ? *cap : *low);
    };
    for (TGroup* g : order) {
        TWordRec r;
        r.TextStart = addText(g->Stored);
        r.Category = groupCategory(*g);
        if (g->Scripture) {
            r.UseCount = static_cast<std::uint8_t>(std::min(g->Uses, 255));
            r.FirstChapter = static_cast<std::uint8_t>(g->FirstChapter);
            if (occ.size() > 65535)
                throw ESourceError("word list", 0, "more than 65535 word occurrences");
            r.FirstOcc = static_cast<std::uint16_t>(occ.size());
            occ.insert(occ.end(), g->Occurrences.begin(), g->Occurrences.end());
        }
        d.WordRecs[g->Index] = r;
    }
    const auto occCount = static_cast<std::int32_t>(occ.size() - 1);
    for (TGroup* g : order)
        if (!g->Scripture)
            d.WordRecs[g->Index].FirstOcc = static_cast<std::uint16_t>(std::min<std::int32_t>(occCount + 1, 65535));
    for (const auto& [text, g] : variants) {
        TWordRec r;
        r.TextStart = addText(text);
        r.Category = category(text, false);
        r.FirstOcc = static_cast<std::uint16_t>(std::min<std::int32_t>(occCount + 1, 65535));
        d.WordRecs[m_variants[text]] = r;
    }
    d.TextSize = static_cast<std::uint16_t>(chars.size());
    d.WordChars.setLength(static_cast<long long>(chars.size()) + 1);
    for (std::size_t i = 0; i < chars.size(); ++i)
        d.WordChars[static_cast<long long>(i) + 1] = chars[i];
    d.OccCount = occCount;
    d.Occurrences.setLength(static_cast<long long>(occ.size()));
    for (std::size_t i = 0; i < occ.size(); ++i)
        d.Occurrences[static_cast<long long>(i)] = occ[i];

    // Separators: 1 is a single space, then by frequency.
    m_sepOrder.clear();
    m_sepOrder.push_back(" ");
    std::vector<std::pair<std::string, int>> seps(m_sepUses.begin(), m_sepUses.end());
    std::stable_sort(seps.begin(), seps.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [s, n] : seps)
        if (s != " ")
            m_sepOrder.push_back(s);
    if (m_sepOrder.size() > 255)
        throw ESourceError("word list", 0,
                           "the content has " + std::to_string(m_sepOrder.size())
                               + " distinct separators; a separator code is one byte (at most 255)");
    std::vector<std::uint8_t> sepText;
    d.SepCount = static_cast<std::uint8_t>(m_sepOrder.size());
    d.SepStart.setLength(static_cast<long long>(m_sepOrder.size()) + 1);
    for (std::size_t i = 0; i < m_sepOrder.size(); ++i) {
        m_sepCode[m_sepOrder[i]] = static_cast<int>(i) + 1;
        d.SepStart[static_cast<long long>(i) + 1] = static_cast<std::uint16_t>(sepText.size() + 1);
        sepText.insert(sepText.end(), m_sepOrder[i].begin(), m_sepOrder[i].end());
        sepText.push_back(0);
    }
    if (sepText.size() > 65535)
        throw ESourceError("word list", 0, "the separator texts exceed 65535 bytes");
    d.SepTextSize = static_cast<std::uint16_t>(sepText.size());
    d.SepText.setLength(static_cast<long long>(sepText.size()) + 1);
    for (std::size_t i = 0; i < sepText.size(); ++i)
        d.SepText[static_cast<long long>(i) + 1] = sepText[i];

    words.RebuildFrequent();
    m_encoder = std::make_unique<TTextEncoder>(
        d, [this](const std::string& w) { return CodeOf(w); }, [this](const std::string& s) { return SepOf(s); });
}

TWordCode TWordListBuilder::CodeOf(const std::string& word) const
{
    if (word.empty())
        return 0;
    auto it = m_groups.find(LowerAscii(word));
    if (!m_finished || it == m_groups.end())
        ThrowRange("word \"" + word + "\" was not registered with the word list");
    const TGroup& g = it->second;
    const auto idx = static_cast<TWordCode>(g.Index);
    if (const auto bits = CaseBitsFor(g.Stored, word))
        return idx | *bits;
    auto v = m_variants.find(word);
    if (v == m_variants.end())
        ThrowRange("word \"" + word + "\" has no spelling in the word list");
    return static_cast<TWordCode>(v->second) | WordAsStored;
}

TSeparatorCode TWordListBuilder::SepOf(const std::string& sep) const
{
    if (sep.empty())
        return 0;
    auto it = m_sepCode.find(sep);
    if (it == m_sepCode.end())
        ThrowRange("separator \"" + sep + "\" was not registered with the word list");
    return static_cast<TSeparatorCode>(it->second);
}

std::vector<std::uint8_t> TWordListBuilder::Encode(const std::vector<TToken>& tokens) const
{
    if (!m_encoder)
        ThrowRange("word list not finished");
    return m_encoder->Encode(tokens);
}

} // namespace sv::content
