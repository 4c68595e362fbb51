// Loading the three content files and composing every question and every verse of a large
// generated portion (8 collections of 8000 questions, 1200 verses).
#include "support/ContentFixture.h"

#include "content/ConcRefs.h"

#include <benchmark/benchmark.h>

using namespace sv;

namespace {

const test::TFixtureFiles& Files()
{
    static const test::TFixtureFiles f = test::BuildFixture(test::LargeFixture(8, 8000));
    return f;
}

const test::TLoadedContent& Loaded()
{
    static const auto c = [] {
        auto l = std::make_unique<test::TLoadedContent>();
        l->Load(Files());
        return l;
    }();
    return *c;
}

void BM_LoadContentFiles(benchmark::State& state)
{
    const test::TFixtureFiles& f = Files();
    for (auto _ : state) {
        test::TLoadedContent c;
        c.Load(f);
        benchmark::DoNotOptimize(c.Questions.QuestionCount(7));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(f.Wl.size() + f.Bk.size() + f.Qs.size()));
}

void BM_ComposeEveryQuestion(benchmark::State& state)
{
    const TQuestions& q = Loaded().Questions;
    TKeywordTags tags;
    InitKeywordColours(tags, 3);
    TMarkedText question, answer;
    std::int64_t n = 0;
    for (auto _ : state)
        for (int c = 0; c < 8; ++c)
            for (int i = 1; i <= q.QuestionCount(c); ++i) {
                q.ComposeQuestion({c, i}, tags,
                                  TComposeOptions{.MarkUniques = true, .KeywordTargeting = true, .WordsPastKeyword = 2},
                                  answer, question);
                benchmark::DoNotOptimize(answer.Len);
                ++n;
            }
    state.SetItemsProcessed(n);
}

void BM_RenderAndQuoteEveryVerse(benchmark::State& state)
{
    const TBooks& b = Loaded().Books;
    TKeywordTags tags;
    InitKeywordColours(tags, 3);
    TConcRefs none;
    TMarkedText text, question, answer;
    std::int64_t n = 0;
    for (auto _ : state)
        for (int v = 1; v <= b.TotalVerses(); ++v) {
            const TVerseRef r = b.RefOfVerseNo(v);
            b.RenderVerse(r, none, tags, false, 3, text);
            b.ComposeAccordingTo(v, question, tags, answer);
            benchmark::DoNotOptimize(answer.Len);
            ++n;
        }
    state.SetItemsProcessed(n);
}

} // namespace

BENCHMARK(BM_LoadContentFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeEveryQuestion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderAndQuoteEveryVerse)->Unit(benchmark::kMillisecond);
