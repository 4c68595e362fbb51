#include "print/DocFile.h"

#include "common/SaveAtomically.h"

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

void TDocFile::Save(const std::string& path) const { SaveAtomically(path, std::span<const char>(m_bytes)); }

TDocFormat FormatOfFileName(const std::string& path)
{
    const QString p = QString::fromStdString(path);
    return p.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? TDocFormat::Text : TDocFormat::Rtf;
}

} // namespace sv
