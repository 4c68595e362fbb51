#include "study/Recitation.h"

#include "common/Win1252.h"

#include <QRegularExpression>

#include <algorithm>

namespace sv {

QString RecitationPassage(const TMarkedText& answer)
{
    std::string text;
    for (int i = 1; i <= answer.Len; ++i)
        if (answer.Tags[i] != TagReference)
            text += answer.Chars[i];
    return FromWin1252(text);
}

QString RecitationKey(const QString& word)
{
    QString key;
    for (const QChar c : word)
        if (c.isLetterOrNumber())
            key += c.toCaseFolded();
    return key;
}

QStringList RecitationWords(const QString& text)
{
    // Spaces, hyphens and the dashes separate words.
    static const QRegularExpression separators(QStringLiteral("[\\s\\-\\x{2010}-\\x{2015}]+"));
    QStringList words;
    for (const QString& w : text.split(separators, Qt::SkipEmptyParts))
        if (!RecitationKey(w).isEmpty())
            words.append(w);
    return words;
}

TRecitation CompareRecitation(const QString& passage, const QString& typed)
{
    const QStringList p = RecitationWords(passage);
    const QStringList t = RecitationWords(typed);
    QStringList pk, tk;
    for (const QString& w : p)
        pk.append(RecitationKey(w));
    for (const QString& w : t)
        tk.append(RecitationKey(w));
    const auto n = static_cast<std::size_t>(p.size());
    const auto m = static_cast<std::size_t>(t.size());
    // d[i][j]: errors between the first i passage words and the first j typed words.
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = 0; i <= n; ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            const int same = pk[static_cast<qsizetype>(i - 1)] == tk[static_cast<qsizetype>(j - 1)] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j - 1] + same, d[i - 1][j] + 1, d[i][j - 1] + 1});
        }

    TRecitation r;
    r.Errors = d[n][m];
    std::size_t i = n, j = m;
    while (i > 0 || j > 0) {
        const QString pw = i > 0 ? p[static_cast<qsizetype>(i - 1)] : QString();
        const QString tw = j > 0 ? t[static_cast<qsizetype>(j - 1)] : QString();
        if (i > 0 && j > 0 && pk[static_cast<qsizetype>(i - 1)] == tk[static_cast<qsizetype>(j - 1)]
            && d[i][j] == d[i - 1][j - 1]) {
            r.Words.push_back({TRecitedKind::Right, pw, tw});
            --i, --j;
        } else if (i > 0 && j > 0 && d[i][j] == d[i - 1][j - 1] + 1) {
            r.Words.push_back({TRecitedKind::Wrong, pw, tw});
            --i, --j;
        } else if (i > 0 && d[i][j] == d[i - 1][j] + 1) {
            r.Words.push_back({TRecitedKind::Missed, pw, {}});
            --i;
        } else {
            r.Words.push_back({TRecitedKind::Extra, {}, tw});
            --j;
        }
    }
    std::reverse(r.Words.begin(), r.Words.end());
    return r;
}

} // namespace sv
