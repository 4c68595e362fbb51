#include "update/IniFile.h"

#include "common/Win1252.h"

#include <QFile>

#include <limits>

namespace sv {

namespace {

QString Decode(const QByteArray& line, bool utf8)
{
    return utf8 ? QString::fromUtf8(line) : FromWin1252(std::string_view(line.constData(), line.size()));
}

bool ParseNumber(QString text, std::int64_t& out)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        negative = text.startsWith(QLatin1Char('-'));
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(QLatin1Char('$'))) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty() || text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))
        return false;
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok)
        return false;
    constexpr qulonglong maxPositive = static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > maxPositive + 1)
            return false;
        out = magnitude == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                           : -static_cast<std::int64_t>(magnitude);
    } else {
        if (magnitude > maxPositive)
            return false;
        out = static_cast<std::int64_t>(magnitude);
    }
    return true;
}

} // namespace

bool TIniFile::LoadFromFile(const QString& path)
{
    m_entries.clear();
    m_sections.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    Parse(f.readAll());
    return true;
}

void TIniFile::Parse(const QByteArray& raw)
{
    m_entries.clear();
    m_sections.clear();
    QByteArray text = raw;
    bool utf8 = false;
    if (text.startsWith("\xEF\xBB\xBF")) {
        utf8 = true;
        text.remove(0, 3);
    }
    QString section;
    bool inSection = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        QString line = Decode(rawLine, utf8).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                continue;
            section = line.mid(1, close - 1).trimmed().toUpper();
            inSection = true;
            m_sections.push_back(line.mid(1, close - 1).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toUpper();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        if (!key.isEmpty() && !Find(section, key))
            m_entries.push_back({section, key, value});
    }
}

const TIniFile::TEntry* TIniFile::Find(const QString& section, const QString& key) const
{
    const QString s = section.toUpper();
    const QString k = key.toUpper();
    for (const TEntry& e : m_entries)
        if (e.Section == s && e.Key == k)
            return &e;
    return nullptr;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const { return Find(section, key) != nullptr; }

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const TEntry* e = Find(section, key);
    return e ? e->Value : def;
}

std::int64_t TIniFile::ReadInteger(const QString& section, const QString& key, std::int64_t def) const
{
    const TEntry* e = Find(section, key);
    std::int64_t value = 0;
    return e && ParseNumber(e->Value, value) ? value : def;
}

std::int32_t TIniFile::ReadInt32(const QString& section, const QString& key, std::int32_t def) const
{
    const TEntry* e = Find(section, key);
    std::int64_t value = 0;
    if (!e || !ParseNumber(e->Value, value))
        return def;
    if (value < std::numeric_limits<std::int32_t>::min() || value > 0xFFFFFFFFLL)
        return def;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::vector<QString> TIniFile::Sections() const { return m_sections; }

} // namespace sv
