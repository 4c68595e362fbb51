// The question list job on a full question store (8 collections of 8191 generated
// questions): every question, alphabetical, written as RTF with keywords and prejumps
// marked; and the same list thinned to the best quarter by difficulty.

#include "common/Random.h"
#include "lists/QsList.h"
#include "print/DocFile.h"
#include "print/PrintList.h"
#include "support/ContentFixture.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

using namespace sv;

namespace {

struct TStore {
    test::TLoadedContent Content;
    TStore() { Content.Load(test::BuildFixture(test::LargeFixture(8, 8191))); }
};

TStore& Store()
{
    static TStore s;
    return s;
}

TListOptions FullList()
{
    TListOptions o;
    o.Material.Total = Store().Content.Books.TotalVerses();
    for (int v = 1; v <= o.Material.Total; ++v)
        o.Material.Choose(v);
    o.Collections.fill(1);
    o.Types.fill(1);
    o.HighlightKeywords = true;
    o.UnderlinePrejumps = true;
    InitKeywordColours(o.KeywordColours, 3);
    o.Order = TListOrder::Alphabetical;
    o.Size = TListSize::AllAvailable;
    o.SizeValue = INT_MAX;
    return o;
}

void Write(benchmark::State& st, const TListOptions& o)
{
    TRandom random(1);
    std::size_t bytes = 0;
    int count = 0;
    for (auto _ : st) {
        TPrintList job(Store().Content.Questions, o, random);
        TDocFile doc(TDocFormat::Rtf);
        job.Write(doc);
        bytes = doc.Bytes().size();
        count = job.List().Count();
    }
    st.counters["questions"] = count;
    st.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_FullListAlphabeticalRtf(benchmark::State& st) { Write(st, FullList()); }
BENCHMARK(BM_FullListAlphabeticalRtf)->Unit(benchmark::kMillisecond);

void BM_BestQuarterLongQA(benchmark::State& st)
{
    TListOptions o = FullList();
    o.Size = TListSize::BestPercent;
    o.SizeValue = 25;
    o.Difficulty = TDifficulty::LongQA;
    Write(st, o);
}
BENCHMARK(BM_BestQuarterLongQA)->Unit(benchmark::kMillisecond);

} // namespace
