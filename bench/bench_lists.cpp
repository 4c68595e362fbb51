// The working lists on a full question store: 8 collections of 8191 generated questions
// (65528 entries). BuildFull, then each ordering; a plain insertion sort on 5000 entries
// shows what the orderings replace.

#include "common/Random.h"
#include "lists/QsList.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace sv;

namespace {

struct TStore {
    test::TLoadedContent Content;
    TUser User;
    TRandom Random{1};
    TVerseSelection Material;
    TCollectionFlags All;
    TStore()
    {
        Content.Load(test::BuildFixture(test::LargeFixture(8, 8191)));
        Material.Total = Content.Books.TotalVerses();
        for (int v = 1; v <= Material.Total; ++v)
            Material.Choose(v);
        All.fill(1);
    }
};

TStore& Store()
{
    static TStore s;
    return s;
}

std::unique_ptr<TQsList> FullList(int order)
{
    auto& s = Store();
    auto l = std::make_unique<TQsList>(s.Content.Questions, s.User, s.Random);
    l->BuildFull(s.Material, false, s.All, order, false);
    return l;
}

void BM_BuildFullByReference(benchmark::State& st)
{
    auto& s = Store();
    TQsList l(s.Content.Questions, s.User, s.Random);
    for (auto _ : st)
        l.BuildFull(s.Material, false, s.All, 1, false);
    st.counters["entries"] = l.Count();
}
BENCHMARK(BM_BuildFullByReference)->Unit(benchmark::kMillisecond);

// Times one ordering; before each run, prepare (untimed) puts the list in another order.
template <class Prepare, class Sort>
void RunOrdering(benchmark::State& st, Prepare prepare, Sort sort)
{
    auto l = FullList(1);
    for (auto _ : st) {
        st.PauseTiming();
        prepare(*l);
        st.ResumeTiming();
        benchmark::DoNotOptimize(sort(*l));
    }
    st.counters["entries"] = l->Count();
}

bool ByReference(TQsList& l) { return l.SortByReference(); }
bool ByKey(TQsList& l) { return l.SortByKey(); }

void BM_SortByReference(benchmark::State& st) { RunOrdering(st, ByKey, ByReference); }
void BM_SortByText(benchmark::State& st)
{
    RunOrdering(st, ByReference, [](TQsList& l) { return l.SortByText(); });
}
void BM_SortByKey(benchmark::State& st) { RunOrdering(st, ByReference, ByKey); }
void BM_SortByExternalKey(benchmark::State& st)
{
    std::vector<TSortRecord> records(TQsList::Capacity);
    TRandom r(5);
    for (auto& rec : records)
        rec.Values[2] = r.Random(1000);
    RunOrdering(st, ByReference, [&](TQsList& l) { return l.SortByExternalKey(records); });
}
BENCHMARK(BM_SortByReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByExternalKey)->Unit(benchmark::kMillisecond);

// What the orderings replace: the plain insertion sort, here by reference over the first
// 5000 entries of a text-ordered list (keys looked up through the store on every compare).
void BM_PlainInsertionSort5000(benchmark::State& st)
{
    auto& s = Store();
    auto l = FullList(0);
    std::vector<TQuestionId> start;
    for (int i = 1; i <= 5000; ++i)
        start.push_back(l->QuestionAt(i).Id());
    const TQuestions& qs = s.Content.Questions;
    auto greater = [&](TQuestionId a, TQuestionId b) {
        return RefLess(qs.PrimaryRef(TQuestionAddr::FromId(b)), qs.PrimaryRef(TQuestionAddr::FromId(a)));
    };
    for (auto _ : st) {
        std::vector<TQuestionId> v = start;
        for (std::size_t i = 1; i < v.size(); ++i) {
            const TQuestionId x = v[i];
            std::size_t j = i;
            while (j > 0 && greater(v[j - 1], x)) {
                v[j] = v[j - 1];
                --j;
            }
            v[j] = x;
        }
        benchmark::DoNotOptimize(v.data());
    }
}
BENCHMARK(BM_PlainInsertionSort5000)->Unit(benchmark::kMillisecond);

} // namespace
