// The set builder: practice sets on the shipped content at the dialog's defaults, and the
// worst case the dialog allows (95 sets of 500 places) on a generated pool of 65528
// questions; the question list benchmarks are in bench_question_lists.cpp.

#include "common/Random.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "print/SetBuilder.h"
#include "print/SetsHelper.h"
#include "print/SetsMaker.h"
#include "user/History.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace sv;

namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
    TShipped()
    {
        const std::string dir = SV_PROGRAM_DIR;
        Words.LoadFromFile(dir + "wf.wl");
        Books.LoadFromFile(dir + "wf.bk");
        Questions.LoadFromFile(dir + "wf.qs");
    }
};

TShipped& Shipped()
{
    static TShipped s;
    return s;
}

// "Question sets..." as it opens: 2 sets of 200 toss-ups and 25 bonuses of each kind over every
// chapter and collection, mixed difficulty, the other options on.
void BM_SetsShippedDefaults(benchmark::State& st)
{
    TShipped& s = Shipped();
    TSetsChoices c;
    c.Kind = TSelectionKind::ByChapter;
    c.Checked.assign(static_cast<std::size_t>(s.Books.TotalChapters()), true);
    c.Collections.fill(1);
    c.Sets = 2;
    c.Counts.PerSet = {200, 25, 25, 25};
    THistory history;
    std::uint64_t seed = 1;
    for (auto _ : st) {
        TRandom random(seed++);
        auto sets = MakeQuestionSets(s.Questions, c, history, random);
        benchmark::DoNotOptimize(sets.get());
        if (!sets)
            st.SkipWithError("the shipped content cannot fill the sets");
    }
}
BENCHMARK(BM_SetsShippedDefaults)->Unit(benchmark::kMillisecond);

// 8 collections of 8191 questions over 1200 verses (29 chapters, 5 sections a chapter).
std::vector<TSetCandidate> GeneratedPool()
{
    std::vector<TSetCandidate> v;
    TRandom r(7);
    for (int verse = 1; verse <= 1200; ++verse)
        for (int c = 0; c < 8; ++c)
            for (int n = 1; n <= 8191; ++n)
                if ((n - 1) % 1200 + 1 == verse) {
                    TSetCandidate k;
                    k.Id = QuestionId(c, n);
                    k.Collection = static_cast<std::uint8_t>(c);
                    k.CollectionsCount = static_cast<std::uint8_t>(1 + r.Random(3));
                    k.DifficultyScore = r.Random(91);
                    k.HistoryCount = static_cast<std::uint8_t>(r.Random(4));
                    k.Verse = verse;
                    k.Chapter = static_cast<std::uint8_t>(1 + (verse - 1) * 29 / 1200);
                    k.Section = static_cast<std::uint8_t>(1 + (verse - 1) / 9);
                    v.push_back(k);
                }
    return v;
}

void BM_SetsWorstCase(benchmark::State& st)
{
    const std::vector<TSetCandidate> candidates = GeneratedPool();
    TSetsRequest r;
    r.Sets = 95;
    r.Counts.PerSet = {200, 100, 100, 100};
    r.Prefs = {true, true};
    for (auto _ : st) {
        TSetPool pool(candidates);
        TRandom random(3);
        auto sets = std::make_unique<TSetsOfQs>(random);
        sets->SetDistribution(true, false, true, false);
        if (!BuildSets(*sets, pool, nullptr, r, random))
            st.SkipWithError("build failed");
    }
    st.counters["pool"] = static_cast<double>(candidates.size());
}
BENCHMARK(BM_SetsWorstCase)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
