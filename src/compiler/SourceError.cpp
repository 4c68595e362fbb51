#include "compiler/SourceError.h"

#include "common/Win1252.h"

#include <cstdio>

namespace sv::content {

namespace {
std::string Prefix(const std::string& file, int line)
{
    if (line > 0)
        return file + ":" + std::to_string(line) + ": ";
    return file + ": ";
}
} // namespace

ESourceError::ESourceError(const std::string& file, int line, const std::string& what)
    : std::runtime_error(Prefix(file, line) + what), m_file(file), m_line(line)
{ }

ESourceError::ESourceError(const std::string& file, int line, const std::string& text, TWholeText)
    : std::runtime_error(text), m_file(file), m_line(line)
{ }

namespace {
std::string Joined(const std::vector<std::string>& lines)
{
    std::string s;
    for (const auto& l : lines)
        s += (s.empty() ? "" : "\n") + l;
    return s;
}
} // namespace

ESourceProblems::ESourceProblems(std::vector<std::string> messages, const std::string& file, int line)
    : ESourceError(file, line, Joined(messages), TWholeText{}), m_messages(std::move(messages))
{ }

void TProblems::Add(const ESourceError& e)
{
    if (m_messages.empty()) {
        m_file = e.file();
        m_line = e.line();
    }
    if (const auto* many = dynamic_cast<const ESourceProblems*>(&e))
        m_messages.insert(m_messages.end(), many->messages().begin(), many->messages().end());
    else
        m_messages.emplace_back(e.what());
}

void TProblems::ThrowIfAny() const
{
    if (!m_messages.empty())
        throw ESourceProblems(m_messages, m_file, m_line);
}

void TSourcePos::fail(const std::string& what) const { throw ESourceError(File, Line, what); }

std::string ToWin1252OrFail(const std::string& utf8, const TSourcePos& where)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QChar bad;
    auto bytes = ToWin1252(text, &bad);
    if (bytes)
        return *bytes;
    // Report the whole code point (a surrogate pair counts as one character).
    char32_t cp = bad.unicode();
    const qsizetype at = text.indexOf(bad);
    if (bad.isHighSurrogate() && at >= 0 && at + 1 < text.size())
        cp = QChar::surrogateToUcs4(bad, text.at(at + 1));
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
    const QString shown = QString::fromUcs4(&cp, 1);
    where.fail(std::string("character \"") + shown.toStdString() + "\" (" + hex
               + ") has no Windows-1252 byte; write it differently");
}

} // namespace sv::content
