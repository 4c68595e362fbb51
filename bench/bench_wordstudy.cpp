// The word study on the shipped portion: choosing the most frequent and the least frequent word
// of the word list, i.e. rebuilding the results list and laying out its first page (measured
// with a fixed-width font model, without painting). Reads "wf.wl" and "wf.bk" from the
// program folder of the build.

#include "content/Books.h"
#include "content/Words.h"
#include "wordstudy/BibleBrowser.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

using namespace sv;

namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    std::int32_t Limit = NoKeywords;
    TBibleBrowser Browser{Books, Limit};
    int MostRow = 0;
    int LeastRow = 0;

    TShipped()
    {
        Words.LoadFromFile(SV_PROGRAM_DIR "wf.wl");
        Books.LoadFromFile(SV_PROGRAM_DIR "wf.bk");
        Browser.InitBrowser(TBibleHost::BibleWindow);
        Browser.UsedClicked(false); // every word listed
        int most = -1;
        int least = 256;
        for (int row = 0; row < Browser.ListedWordCount(); ++row) {
            const int uses = Words.UseCountOf(static_cast<TWordCode>(Browser.ListedWordAt(row)));
            if (uses > most) {
                most = uses;
                MostRow = row;
            }
            if (uses > 0 && uses < least) {
                least = uses;
                LeastRow = row;
            }
        }
    }
};

TShipped& Shipped()
{
    static TShipped s;
    return s;
}

int Measure(std::string_view text, bool bold) { return static_cast<int>(text.size()) * (bold ? 8 : 7); }

void ChooseWord(benchmark::State& state, int row)
{
    TShipped& s = Shipped();
    for (auto _ : state) {
        s.Browser.WordScroll().Pos = row;
        s.Browser.ClickWord(0, false, false);
        auto page = s.Browser.LayoutPage(700, 440, 16, Measure);
        benchmark::DoNotOptimize(page);
    }
    state.counters["verses"] = s.Browser.ResultsList().Count;
}

void BM_ChooseMostFrequentWord(benchmark::State& state) { ChooseWord(state, Shipped().MostRow); }
void BM_ChooseLeastFrequentWord(benchmark::State& state) { ChooseWord(state, Shipped().LeastRow); }

} // namespace

BENCHMARK(BM_ChooseMostFrequentWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseLeastFrequentWord)->Unit(benchmark::kMillisecond);
