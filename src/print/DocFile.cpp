#include "print/DocFile.h"

#include "common/SaveAtomically.h"
#include "common/Win1252.h"

#include <QString>

namespace sv {

void TDocFile::WriteChar(char c)
{
    if (m_format == TDocFormat::Rtf && (c == '\\' || c == '{' || c == '}'))
        m_bytes.push_back('\\');
    m_bytes.push_back(c);
}

void TDocFile::WriteText(std::string_view text)
{
    for (char c : text)
        WriteChar(c);
}

std::string TDocFile::SavedBytes() const
{
    if (m_format == TDocFormat::Rtf || m_text == TTextEncoding::Windows1252)
        return m_bytes;
    std::string text = Win1252ToUtf8(m_bytes);
    std::erase(text, '\r');
    return text;
}

void TDocFile::Save(const std::string& path) const
{
    const std::string bytes = SavedBytes();
    SaveAtomically(path, std::span<const char>(bytes));
}

TDocFormat FormatOfFileName(const std::string& path)
{
    const QString p = QString::fromStdString(path);
    return p.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? TDocFormat::Text : TDocFormat::Rtf;
}

} // namespace sv
