#include "SetsListOptions.h"

#include "user/User.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <cctype>

namespace sv::doc {

std::vector<int> ParseNumberList(const std::string& option, const std::string& text, int lo, int hi)
{
    std::vector<int> out;
    if (text == "all") {
        for (int n = lo; n <= hi; ++n)
            out.push_back(n);
        return out;
    }
    auto bad = [&] {
        return EUsage("--" + option + " takes numbers from " + std::to_string(lo) + " to " + std::to_string(hi)
                      + " such as \"1,3-5\" or \"all\", not \"" + text + "\"");
    };
    auto number = [&](const std::string& s) {
        if (s.empty() || s.size() > 6
            || !std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }))
            throw bad();
        const int n = std::stoi(s);
        if (n < lo || n > hi)
            throw bad();
        return n;
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t dash = part.find('-');
        const int from = number(part.substr(0, dash));
        const int to = dash == std::string::npos ? from : number(part.substr(dash + 1));
        if (to < from)
            throw bad();
        for (int n = from; n <= to; ++n)
            out.push_back(n);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return out;
}

TCollectionFlags CollectionsOption(TDocContext& ctx)
{
    TCollectionFlags f;
    if (!ctx.Has("collections")) {
        const TUser& u = ctx.User();
        for (int c = 0; c < 8; ++c)
            f[c] = u.Collections[c];
        return f;
    }
    for (int c : ParseNumberList("collections", ctx.Value("collections"), 0, 7))
        f[c] = 1;
    return f;
}

TDifficulty DifficultyOption(TDocContext& ctx, int fallback)
{
    if (!ctx.Has("difficulty"))
        return static_cast<TDifficulty>(std::clamp(fallback, 0, DifficultyCount - 1));
    static const char* const names[DifficultyCount] = {"short-qa",      "short-answer", "short-question", "mixed",
                                                       "long-question", "long-answer",  "long-qa"};
    const std::string v = ctx.Value("difficulty");
    for (int d = 0; d < DifficultyCount; ++d)
        if (v == names[d] || v == std::to_string(d))
            return static_cast<TDifficulty>(d);
    throw EUsage("--difficulty takes short-qa, short-answer, short-question, mixed, long-question, long-answer "
                 "or long-qa (or 0 to 6), not \""
                 + v + "\"");
}

std::unique_ptr<TRandom> RandomOption(TDocContext& ctx)
{
    if (!ctx.Has("seed"))
        return std::make_unique<TRandom>();
    const std::string v = ctx.Value("seed");
    if (v.empty() || v.size() > 19 || !std::all_of(v.begin(), v.end(), [](unsigned char c) { return std::isdigit(c); }))
        throw EUsage("--seed needs a whole number, not \"" + v + "\"");
    return std::make_unique<TRandom>(std::stoull(v));
}

std::string UserFilePathOption(TDocContext& ctx)
{
    if (!ctx.Has("user"))
        return {};
    QString path = QString::fromStdString(ctx.Value("user"));
    if (!path.endsWith(QStringLiteral(".219")) && !path.contains(QLatin1Char('/')))
        path = QString::fromStdString(ctx.PersonDir(
                   QDir(QString::fromStdString(ctx.ProgramDir())).filePath(QStringLiteral("Users/")).toStdString()))
               + path + QStringLiteral(".219");
    return path.toStdString();
}

TOptionSpec CollectionsSpec()
{
    return {"collections", "LIST", "the collections to draw from, e.g. 1-4 (default: the user's choice)",
            TOptionKind::Value};
}

TOptionSpec DifficultySpec()
{
    return {"difficulty", "NAME",
            "short-qa, short-answer, short-question, mixed,\nlong-question, long-answer or long-qa",
            TOptionKind::Value};
}

TOptionSpec SeedSpec()
{
    return {"seed", "N", "a fixed random seed: the same choices and seed give the same document", TOptionKind::Value};
}

} // namespace sv::doc
