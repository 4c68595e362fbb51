#include "compiler/RawText.h"

#include "compiler/SourceError.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cctype>
#include <string_view>

namespace sv::content {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Number of code points in UTF-8 text (continuation bytes are not counted).
int CodePoints(std::string_view s)
{
    int n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

// Collects verse text: collapses white space, records notes.
class TVerseText {
public:
    void addText(std::string_view s)
    {
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            // The paragraph sign some modules write before a verse is markup, not text.
            if (s.substr(i).starts_with("\xC2\xB6")) {
                m_pendingSpace = true;
                ++i;
                continue;
            }
            if (IsSpace(c)) {
                m_pendingSpace = true;
                continue;
            }
            if (m_pendingSpace && !m_text.empty())
                m_text.push_back(' ');
            m_pendingSpace = false;
            m_text.push_back(c);
        }
    }
    void addNote(std::string text)
    {
        m_notes.push_back({CodePoints(m_text), std::move(text)});
        m_pendingSpace = true;
    }
    void space() { m_pendingSpace = true; }
    std::string text() const { return m_text; }
    std::vector<TRawNote> notes() const
    {
        const int len = CodePoints(m_text);
        std::vector<TRawNote> out = m_notes;
        for (auto& n : out)
            if (n.Position > len)
                n.Position = len;
        return out;
    }

private:
    std::string m_text;
    std::vector<TRawNote> m_notes;
    bool m_pendingSpace = false;
};

// Strips the tags of a piece of markup, keeping only the text between them.
std::string StripTags(std::string_view s)
{
    std::string out;
    bool inTag = false;
    for (char c : s) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            out.push_back(c);
    }
    return out;
}

// Feeds one piece of verse markup into the collector.
void AddMarkup(std::string_view s, TVerseText& verse, const TSourcePos& pos)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t lt = s.find('<', i);
        if (lt == std::string_view::npos) {
            verse.addText(s.substr(i));
            break;
        }
        verse.addText(s.substr(i, lt - i));
        const std::size_t gt = s.find('>', lt);
        if (gt == std::string_view::npos)
            pos.fail("unterminated tag in the scripture markup");
        const std::string_view tag = s.substr(lt, gt - lt + 1);
        i = gt + 1;
        if (tag.starts_with("<note") && (tag.size() == 5 + 1 || !std::isalpha(static_cast<unsigned char>(tag[5])))) {
            if (tag.ends_with("/>")) {
                verse.addNote({});
                continue;
            }
            const std::size_t close = s.find("</note>", i);
            if (close == std::string_view::npos)
                pos.fail("a <note> without </note> in the scripture markup");
            std::string text = StripTags(s.substr(i, close - i));
            // Collapse the note's own white space.
            TVerseText t;
            t.addText(text);
            verse.addNote(t.text());
            i = close + 7;
            continue;
        }
        // Line and line-group markers separate words like a space.
        if (tag.starts_with("<l ") || tag.starts_with("<l>") || tag.starts_with("<lg") || tag.starts_with("<milestone")
            || tag.starts_with("<lb"))
            verse.space();
    }
}

bool ParseLabel(std::string_view line, std::string_view bookName, int& chapter, int& verse, std::size_t& textStart)
{
    if (!line.starts_with(bookName) || line.size() <= bookName.size() || line[bookName.size()] != ' ')
        return false;
    std::size_t p = bookName.size() + 1;
    auto number = [&](int& out) {
        if (p >= line.size() || !std::isdigit(static_cast<unsigned char>(line[p])))
            return false;
        out = 0;
        while (p < line.size() && std::isdigit(static_cast<unsigned char>(line[p])) && out < 100000)
            out = out * 10 + (line[p++] - '0');
        return true;
    };
    if (!number(chapter) || p >= line.size() || line[p] != ':')
        return false;
    ++p;
    if (!number(verse) || p >= line.size() || line[p] != ':')
        return false;
    ++p;
    textStart = p;
    return true;
}

// Leading tags of a line (paragraph markers before a verse label) and where they end.
std::size_t SkipLeadingTags(std::string_view line)
{
    std::size_t p = 0;
    while (p < line.size()) {
        if (IsSpace(line[p])) {
            ++p;
            continue;
        }
        if (line[p] != '<')
            break;
        const std::size_t gt = line.find('>', p);
        if (gt == std::string_view::npos)
            break;
        p = gt + 1;
    }
    return p;
}

} // namespace

std::vector<TRawVerse> ParseRawBook(const std::string& output, const std::string& bookName, const std::string& module,
                                    const std::string& sourceName)
{
    std::vector<TRawVerse> verses;
    std::vector<TVerseText> texts;
    const std::string closing = "(" + module + ")";
    std::size_t start = 0;
    int lineNo = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        std::string_view line(output.data() + start, end - start);
        start = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const TSourcePos pos{sourceName, lineNo};
        if (line == closing)
            continue;
        const std::size_t afterTags = SkipLeadingTags(line);
        int chapter = 0, verse = 0;
        std::size_t textStart = 0;
        if (ParseLabel(line.substr(afterTags), bookName, chapter, verse, textStart)) {
            if (!verses.empty()) {
                const TRawVerse& last = verses.back();
                const bool next =
                    (chapter == last.Chapter && verse == last.Verse + 1) || (chapter == last.Chapter + 1 && verse == 1);
                if (!next)
                    pos.fail(bookName + " " + std::to_string(chapter) + ":" + std::to_string(verse)
                             + " does not follow " + std::to_string(last.Chapter) + ":" + std::to_string(last.Verse));
            } else if (chapter != 1 || verse != 1) {
                pos.fail(bookName + " does not begin at 1:1");
            }
            verses.push_back({chapter, verse, {}, {}, lineNo});
            texts.emplace_back();
            AddMarkup(line.substr(afterTags + textStart), texts.back(), pos);
            continue;
        }
        if (texts.empty()) {
            if (line.substr(afterTags).empty())
                continue;
            pos.fail("text before the first verse label of " + bookName);
        }
        texts.back().space();
        AddMarkup(line, texts.back(), pos);
    }
    for (std::size_t i = 0; i < verses.size(); ++i) {
        verses[i].Text = texts[i].text();
        verses[i].Notes = texts[i].notes();
    }
    return verses;
}

void DropEmptyChapterEnds(std::vector<TRawVerse>& verses)
{
    std::vector<TRawVerse> kept;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        std::size_t j = i;
        while (j < verses.size() && verses[j].Chapter == verses[i].Chapter && verses[j].Text.empty())
            ++j;
        const bool chapterEnds = j == verses.size() || verses[j].Chapter != verses[i].Chapter;
        if (j > i && chapterEnds && verses[i].Verse > 1) {
            i = j - 1;
            continue;
        }
        kept.push_back(std::move(verses[i]));
    }
    verses = std::move(kept);
}

std::string DiathekeLabel(const std::string& raw)
{
    const auto at = raw.find(" 1:1: ");
    if (at == std::string::npos)
        return {};
    auto lineStart = raw.rfind('\n', at);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    std::string head = raw.substr(lineStart, at - lineStart);
    // Drop leading tags and the spaces between them.
    while (!head.empty() && (head[0] == '<' || head[0] == ' ')) {
        const auto gt = head[0] == ' ' ? 0 : head.find('>');
        if (gt == std::string::npos)
            break;
        head.erase(0, gt + 1);
    }
    return head;
}

std::string RunDiatheke(const std::string& module, const std::string& key, const std::string& format,
                        const std::string& options)
{
    QProcess p;
    QStringList args{QStringLiteral("-b"), QString::fromStdString(module), QStringLiteral("-f"),
                     QString::fromStdString(format)};
    if (!options.empty())
        args << QStringLiteral("-o") << QString::fromStdString(options);
    args << QStringLiteral("-k") << QString::fromStdString(key);
    p.start(QStringLiteral("diatheke"), args);
    const std::string what = "diatheke -b " + module + " -k " + key;
    if (!p.waitForStarted(10000))
        throw ESourceError(what, 0, "cannot run diatheke (install the packages diatheke and sword-text-web)");
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw ESourceError(what, 0, "diatheke failed: " + p.readAllStandardError().toStdString());
    const QByteArray out = p.readAllStandardOutput();
    if (out.trimmed().isEmpty())
        throw ESourceError(what, 0, "diatheke returned no text (is the module " + module + " installed?)");
    return out.toStdString();
}

} // namespace sv::content
