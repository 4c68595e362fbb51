#include "print/DocFile.h"

#include "common/Errors.h"

#include <QSaveFile>
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

void TDocFile::Save(const std::string& path) const
{
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly))
        ThrowCannotCreate(path);
    const auto size = static_cast<qint64>(m_bytes.size());
    if (f.write(m_bytes.data(), size) != size) {
        f.cancelWriting();
        ThrowCannotCreate(path);
    }
    if (!f.commit())
        ThrowCannotCreate(path);
}

TDocFormat FormatOfFileName(const std::string& path)
{
    const QString p = QString::fromStdString(path);
    return p.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? TDocFormat::Text : TDocFormat::Rtf;
}

} // namespace sv
