// The standard fixture descriptions: a small hand-written portion and a large generated one.
#include "support/ContentFixture.h"

namespace sv::test {

namespace {

TFixtureQuestion Q(int type, std::string question, std::vector<TFixtureAnswerPart> answer, std::string prefix = {})
{
    TFixtureQuestion q;
    q.Type = type;
    q.Question = std::move(question);
    q.Answer = std::move(answer);
    q.Prefix = std::move(prefix);
    return q;
}

TFixtureQuestion Placeholder(int homeCollection, int homeIndex, TVerseRef ref)
{
    TFixtureQuestion q;
    q.HomeCollection = homeCollection;
    q.HomeIndex = homeIndex;
    q.Answer = {{ref, {}}};
    return q;
}

} // namespace

TFixtureDesc SmallFixture()
{
    TFixtureDesc d;
    TFixtureBook ga{"Galatians", "Ga ", {}};
    ga.Chapters = {
        {"Paul, an apostle (not from men nor through man, but through Jesus Christ and God the "
         "Father, who raised him from the dead)",
         "and all the brothers who are with me, to the churches of Galatia:",
         "Grace to you and peace from God our Father and the Lord Jesus Christ,",
         "who gave himself for our sins to deliver us from the present evil age, according to "
         "the will of our God and Father,",
         "to whom be the glory forever and ever. Amen."},
        {"Then after fourteen years I went up again to Jerusalem with Barnabas, taking Titus "
         "along with me.",
         "I went up because of a revelation and set before them the gospel that I proclaim "
         "among the Gentiles.",
         "But even Titus, who was with me, was not forced to be circumcised, though he was a "
         "Greek."},
        {"O foolish Galatians! Who has bewitched you?",
         "Let me ask you only this: Did you receive the Spirit by works of the law or by "
         "hearing with faith?",
         "Are you so foolish? Having begun by the Spirit, are you now being perfected by the "
         "flesh?",
         "Did you suffer so many things in vain, if indeed it was in vain?",
         "Does he who supplies the Spirit to you and works miracles among you do so by works of "
         "the law, or by hearing with faith",
         "just as Abraham believed God, and it was counted to him as righteousness?",
         "Know then that it is those of faith who are the sons of Abraham."},
    };
    TFixtureBook pm{"Philemon", "Pm ", {}};
    pm.Chapters = {{
        "Paul, a prisoner for Christ Jesus, and Timothy our brother, To Philemon our beloved "
        "fellow worker",
        "and Apphia our sister and Archippus our fellow soldier, and the church in your house:",
        "Grace to you and peace from God our Father and the Lord Jesus Christ.",
        "I thank my God always when I remember you in my prayers,",
        "because I hear of your love and of the faith that you have toward the Lord Jesus and "
        "for all the saints,",
        "and I pray that the sharing of your faith may become effective",
        "For I have derived much joy and comfort from your love, my brother,",
        "Accordingly, though I am bold enough in Christ to command you to do what is required,",
    }};
    d.Books = {ga, pm};
    d.Sections = {{1, 1, 1, "Greeting"},
                  {1, 2, 1, "Paul Accepted by the Apostles"},
                  {1, 3, 1, "By Faith, or by Works of the Law?"},
                  {2, 1, 1, "Greeting"},
                  {2, 1, 8, "Paul's Plea for Onesimus"}};
    d.MemoryVerses = {{1, 1, 3, 2, 1}, {1, 3, 5, 3, 3}, {2, 1, 3, 4, 1}};
    d.ExtraWords = {"Onesimus", "apostles", "SELAH"};
    d.Categories = {{"paul", 5},    {"titus", 5},     {"barnabas", 5}, {"abraham", 5}, {"timothy", 5}, {"philemon", 5},
                    {"galatia", 6}, {"jerusalem", 6}, {"grace", 1},    {"faith", 1},   {"went", 11},   {"foolish", 10}};

    const TVerseRef ga11(1, 1, 1), ga13(1, 1, 3), ga14(1, 1, 4), ga21(1, 2, 1), ga31(1, 3, 1), ga32(1, 3, 2),
        ga36(1, 3, 6), pm11(2, 1, 1), pm12(2, 1, 2), pm13(2, 1, 3), pm18(2, 1, 8);

    TFixtureCollection main{"Main", {}, {}};
    main.Questions = {
        Q(3, "What did God the Father do?", {{ga11, "Raised him from the dead"}}),
        Q(1, "who gave himself for our sins?", {{ga14, "Jesus Christ"}}),
        Q(39, "Paul went up to Jerusalem with whom?", {{ga21, "Barnabas and Titus"}}, "After fourteen years"),
        Q(40, "O foolish Galatians! Who has bewitched you?\"", {{ga31, "Galatians 3"}}),
        Q(22, "Let me ask you only this", {{ga32, "Did you receive the Spirit by works of the law"}}),
        Q(2, "Who believed God?", {{ga36, "Abraham"}}),
        Q(16, "Name the people with Paul and Philemon.", {{pm11, "Timothy"}, {pm12, "Apphia and Archippus"}}),
        Q(1, "what was Paul bold enough to do?", {{pm18, "command you to do what is required"}}),
    };
    TFixtureCollection extra{"Extra", {}, {}};
    extra.Questions = {
        Q(7, "How does Paul greet the churches?", {{ga13, "{\\ul Grace} to you and peace"}}),
        Placeholder(0, 6, ga36),
        Q(3, "What does Paul wish Philemon?", {{pm13, "Grace to you and peace"}}),
    };
    TFixtureCollection bonus{"Bonus", {}, {}};
    bonus.Requires[0] = 1;
    bonus.Questions = {
        Placeholder(0, 6, ga36),
        Q(35, "Who was bold enough in Christ?", {{pm18, "Paul"}}),
    };
    d.Collections = {main, extra, bonus};
    return d;
}

TFixtureDesc LargeFixture(int collections, int questionsPerCollection)
{
    TFixtureDesc d;
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    // A vocabulary of 2500 words; lower indexes are drawn far more often.
    std::vector<std::string> vocab;
    for (int i = 0; i < 2500; ++i) {
        std::string w;
        int v = i;
        do {
            w.push_back(static_cast<char>('a' + v % 26));
            v /= 26;
        } while (v > 0);
        w += "o";
        vocab.push_back(w);
    }
    auto word = [&]() -> const std::string& {
        const std::uint32_t r = next(1000);
        if (r < 500)
            return vocab[next(40)];
        if (r < 800)
            return vocab[next(400)];
        return vocab[next(2500)];
    };
    auto sentence = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            std::string w = word();
            if (i == 0)
                w[0] = static_cast<char>(w[0] - 'a' + 'A');
            s += w;
            const std::uint32_t p = next(20);
            s += i + 1 == n ? "." : (p == 0 ? ", " : (p == 1 ? "; " : " "));
        }
        return s;
    };
    // 5 books x 24 chapters x 10 verses = 1200 verses, 120 chapters.
    const char* names[] = {"Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy"};
    const char* abbrevs[] = {"Ge ", "Ex ", "Le ", "Nu ", "De "};
    std::vector<std::vector<std::string>> verseText;
    for (int b = 0; b < 5; ++b) {
        TFixtureBook book{names[b], abbrevs[b], {}};
        for (int c = 0; c < 24; ++c) {
            std::vector<std::string> ch;
            for (int v = 0; v < 10; ++v)
                ch.push_back(sentence(14 + static_cast<int>(next(12))));
            book.Chapters.push_back(ch);
            d.Sections.push_back({b + 1, c + 1, 1, "Section " + std::to_string(c + 1)});
            d.MemoryVerses.push_back({b + 1, c + 1, 2, 3, 1});
            d.MemoryVerses.push_back({b + 1, c + 1, 6, 2, 2});
        }
        d.Books.push_back(book);
    }
    auto refOf = [](int verseNo) {
        const int b = (verseNo - 1) / 240, c = ((verseNo - 1) % 240) / 10, v = (verseNo - 1) % 10;
        return TVerseRef(b + 1, c + 1, v + 1);
    };
    const int types[] = {0, 2, 3, 4, 5, 6, 7, 1, 8, 9, 16, 22, 35, 36, 39, 41};
    for (int c = 0; c < collections; ++c) {
        TFixtureCollection col{"Collection " + std::to_string(c + 1), {}, {}};
        for (int i = 1; i <= questionsPerCollection; ++i) {
            const int vn = 1 + static_cast<int>((static_cast<long long>(i - 1) * 1200) / questionsPerCollection);
            const TVerseRef ref = refOf(vn);
            if (c > 0 && i % 50 == 0) {
                col.Questions.push_back(Placeholder(0, i, ref));
                continue;
            }
            TFixtureQuestion q = Q(types[next(16)], sentence(8 + static_cast<int>(next(10))),
                                   {{ref, sentence(4 + static_cast<int>(next(10)))}});
            if (next(10) == 0)
                q.Answer.push_back({refOf(std::min(1200, vn + 1)), sentence(3)});
            if (next(8) == 0)
                q.Prefix = sentence(3);
            col.Questions.push_back(q);
        }
        d.Collections.push_back(col);
    }
    return d;
}

} // namespace sv::test
