#include "study/Recitation.h"

#include "common/Win1252.h"
#include "content/Books.h"
#include "lists/MVList.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace sv {

namespace {

// A word of a text and the hyphen or dash that joins it to the next word.
struct TToken {
    QString Word;
    QString Joint;
};

std::vector<TToken> Tokens(const QString& text)
{
    // Spaces, hyphens and the dashes separate words.
    static const QRegularExpression separators(QStringLiteral("[\\s\\-\\x{2010}-\\x{2015}]+"));
    std::vector<TToken> tokens;
    qsizetype from = 0;
    auto add = [&](qsizetype end, const QString& separator) {
        const QString word = text.mid(from, end - from);
        if (RecitationKey(word).isEmpty())
            return;
        static const QRegularExpression spaces(QStringLiteral("\\s+"));
        tokens.push_back({word, separator.trimmed().isEmpty()
                                    ? QString()
                                    : QString(separator).replace(spaces, QStringLiteral(" "))});
    };
    for (auto it = separators.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        add(m.capturedStart(), m.captured());
        from = m.capturedEnd();
    }
    add(text.size(), QString());
    return tokens;
}

// A reference found in the typed text and the text without it.
struct TTypedReference {
    QString Text;      // as typed
    QString Remaining; // the typed text without it
    bool Matches = false;
};

bool BookMatches(const QString& typed, const TRecitationReference& ref)
{
    const QString key = RecitationKey(typed);
    const QString name = RecitationKey(ref.BookName);
    if (key.isEmpty())
        return false;
    return key == name || key == RecitationKey(ref.BookAbbrev) || (key.size() >= 3 && name.startsWith(key));
}

// A reference at the start or the end of the typed text: an optional book name, the chapter,
// a colon and the verse, optionally a dash and the last verse, in brackets or not.
std::optional<TTypedReference> FindReference(const QString& typed, const TRecitationReference& ref)
{
    static const QString core =
        QStringLiteral("(?<book>(?:[1-3]\\s*)?\\p{L}+\\.?)?\\s*(?<chapter>\\d+)\\s*:\\s*(?<first>\\d+)"
                       "(?:\\s*[\\-\\x{2010}-\\x{2015}]\\s*(?<last>\\d+))?");
    static const QRegularExpression atStart(QStringLiteral("^\\s*\\(?\\s*") + core
                                            + QStringLiteral("\\s*\\)?[\\s,.;:]*"));
    static const QRegularExpression atEnd(QStringLiteral("[\\s,.;:]*\\(?\\s*") + core
                                          + QStringLiteral("\\s*\\)?[\\s,.;:]*$"));
    for (const QRegularExpression* re : {&atEnd, &atStart}) {
        const QRegularExpressionMatch m = re->match(typed);
        if (!m.hasMatch())
            continue;
        qsizetype start = m.capturedStart();
        qsizetype end = m.capturedEnd();
        const bool bookRight = BookMatches(m.captured(QStringLiteral("book")), ref);
        // A word that is no name of the book belongs to the recitation (the book was left out).
        if (!bookRight && m.capturedLength(QStringLiteral("book")) > 0) {
            if (re == &atEnd)
                start = m.capturedStart(QStringLiteral("chapter"));
            else
                continue;
        }
        const int chapter = m.captured(QStringLiteral("chapter")).toInt();
        const int first = m.captured(QStringLiteral("first")).toInt();
        const QString lastText = m.captured(QStringLiteral("last"));
        const int last = lastText.isEmpty() ? first : lastText.toInt();
        // The reference as typed: from the book (or the chapter) to the last verse.
        const qsizetype from =
            bookRight ? m.capturedStart(QStringLiteral("book")) : m.capturedStart(QStringLiteral("chapter"));
        const qsizetype to =
            lastText.isEmpty() ? m.capturedEnd(QStringLiteral("first")) : m.capturedEnd(QStringLiteral("last"));
        TTypedReference found;
        found.Text = typed.mid(from, to - from);
        found.Remaining = typed.left(start) + QLatin1Char(' ') + typed.mid(end);
        found.Matches = bookRight && chapter == ref.Chapter && first == ref.FirstVerse && last == ref.LastVerse;
        return found;
    }
    return std::nullopt;
}

} // namespace

QString TRecitationReference::Text() const
{
    QString text =
        BookAbbrev + QLatin1Char(' ') + QString::number(Chapter) + QLatin1Char(':') + QString::number(FirstVerse);
    if (LastVerse != FirstVerse)
        text += QLatin1Char('-') + QString::number(LastVerse);
    return text;
}

QString RecitationPassage(const TMarkedText& answer)
{
    std::string text;
    for (int i = 1; i <= answer.Len; ++i)
        if (answer.Tags[i] != TagReference)
            text += answer.Chars[i];
    return FromWin1252(text);
}

TRecitationTask RecitationTaskOf(const TBooks& books, const TMVEntry& entry, const TMarkedText& answer)
{
    // The whole passage is the answer of the quote question.
    TMarkedText whole, lead;
    books.ComposeVerseQuestion(entry.Ref, entry.VerseCount, TKeywordTags{}, whole, lead, false, false, MemoryModeQuote);
    TRecitationTask task;
    task.Passage = FromWin1252(whole.Text());
    task.Reference.BookName = FromWin1252(books.BookName(entry.Ref.Book)).trimmed();
    task.Reference.BookAbbrev = FromWin1252(books.BookAbbrev(entry.Ref.Book)).trimmed();
    task.Reference.Chapter = entry.Ref.Chapter;
    task.Reference.FirstVerse = entry.Ref.Verse;
    task.Reference.LastVerse = entry.Ref.Verse + std::max(1, static_cast<int>(entry.VerseCount)) - 1;
    task.ReferenceAsked = entry.Mode != MemoryModeQuote;
    if (entry.Mode != MemoryModeQuote) {
        // A finish question: the answer is the rest of the passage and its reference in brackets.
        QString rest = FromWin1252(answer.Text());
        const qsizetype bracket = rest.lastIndexOf(QStringLiteral(" ("));
        if (bracket >= 0)
            rest.truncate(bracket);
        const auto restWords = RecitationWords(rest).size();
        task.PromptWords = static_cast<int>(std::max<qsizetype>(0, RecitationWords(task.Passage).size() - restWords));
    }
    return task;
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
    QStringList words;
    for (const TToken& t : Tokens(text))
        words.append(t.Word);
    return words;
}

TRecitation CompareRecitation(const TRecitationTask& task, const QString& typedText)
{
    const std::optional<TTypedReference> reference = FindReference(typedText, task.Reference);
    const std::vector<TToken> p = Tokens(task.Passage);
    const std::vector<TToken> t = Tokens(reference ? reference->Remaining : typedText);
    QStringList pk, tk;
    for (const TToken& w : p)
        pk.append(RecitationKey(w.Word));
    for (const TToken& w : t)
        tk.append(RecitationKey(w.Word));
    const std::size_t n = p.size();
    const std::size_t m = t.size();
    const std::size_t prompt = static_cast<std::size_t>(std::clamp(task.PromptWords, 0, static_cast<int>(n)));
    // Leaving out passage word i (1-based) costs nothing for a prompt word.
    auto missCost = [&](std::size_t i) { return i <= prompt ? 0 : 1; };
    auto same = [&](std::size_t i, std::size_t j) {
        return pk[static_cast<qsizetype>(i - 1)] == tk[static_cast<qsizetype>(j - 1)];
    };
    // d[i][j]: errors between the first i passage words and the first j typed words.
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = 1; i <= n; ++i)
        d[i][0] = d[i - 1][0] + missCost(i);
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j)
            d[i][j] = std::min({d[i - 1][j - 1] + (same(i, j) ? 0 : 1), d[i - 1][j] + missCost(i), d[i][j - 1] + 1});

    TRecitation r;
    r.Errors = d[n][m];
    std::size_t i = n, j = m;
    while (i > 0 || j > 0) {
        const TToken pw = i > 0 ? p[i - 1] : TToken{};
        const QString tw = j > 0 ? t[j - 1].Word : QString();
        const bool shown = i > prompt; // prompt words right or left out are not listed
        if (i > 0 && j > 0 && same(i, j) && d[i][j] == d[i - 1][j - 1]) {
            if (shown)
                r.Words.push_back({TRecitedKind::Right, pw.Word, tw, pw.Joint});
            --i, --j;
        } else if (i > 0 && j > 0 && d[i][j] == d[i - 1][j - 1] + 1) {
            r.Words.push_back({TRecitedKind::Wrong, pw.Word, tw, pw.Joint});
            --i, --j;
        } else if (i > 0 && d[i][j] == d[i - 1][j] + missCost(i)) {
            if (shown)
                r.Words.push_back({TRecitedKind::Missed, pw.Word, {}, pw.Joint});
            --i;
        } else {
            r.Words.push_back({TRecitedKind::Extra, {}, tw, {}});
            --j;
        }
    }
    std::reverse(r.Words.begin(), r.Words.end());

    const QString expected = task.Reference.Text();
    if (reference) {
        r.Words.push_back(
            {reference->Matches ? TRecitedKind::Right : TRecitedKind::Wrong, expected, reference->Text, {}});
        if (!reference->Matches)
            ++r.Errors;
    } else if (task.ReferenceAsked) {
        r.Words.push_back({TRecitedKind::Missed, expected, {}, {}});
        ++r.Errors;
    }
    return r;
}

TRecitation CompareRecitation(const QString& passage, const QString& typed)
{
    TRecitationTask task;
    task.Passage = passage;
    return CompareRecitation(task, typed);
}

QString RecitationMarkup(const TRecitation& r)
{
    QString html;
    QString joint; // what joins the previous word to this one
    for (const TRecitedWord& w : r.Words) {
        if (!html.isEmpty())
            html += joint.isEmpty() ? QStringLiteral(" ") : joint.toHtmlEscaped();
        joint = w.Joint;
        switch (w.Kind) {
        case TRecitedKind::Right:
            html += w.Passage.toHtmlEscaped();
            break;
        case TRecitedKind::Missed:
            html += QStringLiteral("<span style=\"color:#C00000; text-decoration:underline\" title=\"missed\">")
                    + w.Passage.toHtmlEscaped() + QStringLiteral("</span>");
            break;
        case TRecitedKind::Extra:
            html += QStringLiteral("<span style=\"color:#0050C0; text-decoration:line-through\" title=\"extra\">")
                    + w.Typed.toHtmlEscaped() + QStringLiteral("</span>");
            break;
        case TRecitedKind::Wrong:
            html += QStringLiteral("<span style=\"color:#B06000; font-weight:bold\" title=\"wrong\">")
                    + w.Passage.toHtmlEscaped() + QStringLiteral("</span> <span style=\"color:#B06000\">[")
                    + w.Typed.toHtmlEscaped() + QStringLiteral("]</span>");
            break;
        }
    }
    const QString count = r.Errors == 0   ? QStringLiteral("No errors")
                          : r.Errors == 1 ? QStringLiteral("1 error")
                                          : QString::number(r.Errors) + QStringLiteral(" errors");
    return QStringLiteral("<b>") + count + QStringLiteral("</b>: ") + html
           + QStringLiteral("<br><small><span style=\"color:#C00000\">missed</span>, "
                            "<span style=\"color:#0050C0\">extra</span>, "
                            "<span style=\"color:#B06000\">wrong [typed]</span></small>");
}

} // namespace sv
