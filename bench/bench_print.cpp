// Writing the longest printed documents: the whole scripture portion (every chapter,
// memory and keyword highlighting, footnotes) and the whole concordance (every word group as
// a word list and in context, every word), on the shipped content and on a generated portion
// of the data model's size (5 books, 1200 verses). Also the full memory verse list.

#include "content/Books.h"
#include "content/Words.h"
#include "print/Concordance.h"
#include "print/MemoryList.h"
#include "print/ScripturePortion.h"
#include "support/ContentFixture.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace sv;

namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TFootnotes Notes;
    TShipped()
    {
        Words.LoadFromFile(SV_PROGRAM_DIR "wf.wl");
        Books.LoadFromFile(SV_PROGRAM_DIR "wf.bk");
        Notes = ReadFootnotes(SV_PROGRAM_DIR "footnotes.txt");
    }
};

const TShipped& Shipped()
{
    static const TShipped s;
    return s;
}

const test::TLoadedContent& Large()
{
    static const std::unique_ptr<test::TLoadedContent> c = test::LoadFixture(test::LargeFixture(1, 10));
    return *c;
}

TConcordanceChoices Everything(const TBooks& books)
{
    TConcordanceChoices c;
    for (TConcGroupChoice& g : c.Groups)
        g.InContext = g.WordList = true;
    c.FromChapter = 1;
    c.ToChapter = books.TotalChapters();
    c.Exhaustive = true;
    return c;
}

void Portion(benchmark::State& state, const TBooks& books, const std::vector<TFootnote>& notes)
{
    TPortionChoices c;
    c.ThroughChapter = books.TotalChapters();
    std::size_t bytes = 0;
    for (auto _ : state) {
        TDocFile f(TDocFormat::Rtf);
        WriteScripturePortion(f, books, c, notes);
        bytes = f.Bytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void Concordance(benchmark::State& state, const TWords& words, const TBooks& books)
{
    const TConcordanceChoices c = Everything(books);
    std::size_t bytes = 0;
    for (auto _ : state) {
        TDocFile f(TDocFormat::Rtf);
        WriteConcordance(f, words, books, c);
        bytes = f.Bytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ScripturePortionShipped(benchmark::State& s) { Portion(s, Shipped().Books, Shipped().Notes.Items); }
void BM_ScripturePortionLarge(benchmark::State& s) { Portion(s, Large().Books, {}); }
void BM_ConcordanceShipped(benchmark::State& s) { Concordance(s, Shipped().Words, Shipped().Books); }
void BM_ConcordanceLarge(benchmark::State& s) { Concordance(s, Large().Words, Large().Books); }

void BM_MemoryListShipped(benchmark::State& state)
{
    const TBooks& books = Shipped().Books;
    TMemoryVerseSelection all;
    all.Total = books.TotalMemoryVerses();
    for (int m = 1; m <= all.Total; ++m)
        all.Choose(m);
    const auto passages = SelectedPassages(books, all);
    for (auto _ : state) {
        TDocFile f(TDocFormat::Rtf);
        WriteMemoryList(f, books, passages, TMemListChoices{});
        benchmark::DoNotOptimize(f.Bytes().size());
    }
}

BENCHMARK(BM_ScripturePortionShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScripturePortionLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConcordanceShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConcordanceLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryListShipped)->Unit(benchmark::kMillisecond);

} // namespace
