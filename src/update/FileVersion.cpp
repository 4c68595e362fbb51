#include "update/FileVersion.h"

#include <QFile>
#include <QStringList>

#include <cstring>

namespace sv {

namespace {

std::uint32_t Le32(const uchar* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
           | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

unsigned Le16(const uchar* p) { return static_cast<unsigned>(p[0]) | static_cast<unsigned>(p[1]) << 8; }

// The key as it stands in a version block.
constexpr auto kKey = [] {
    std::array<unsigned char, 32> k{};
    const char* text = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < 16; ++i)
        k[2 * i] = static_cast<unsigned char>(text[i]);
    return k;
}();

} // namespace

TFileVersion ParseVersionString(const QString& text)
{
    const QChar sep = text.contains(QLatin1Char(',')) ? QLatin1Char(',') : QLatin1Char('.');
    const QStringList parts = text.split(sep);
    std::int64_t n[4] = {-1, -1, -1, -1};
    for (qsizetype i = 0; i < parts.size() && i < 4; ++i) {
        bool ok = false;
        const uint v = parts[i].trimmed().toUInt(&ok);
        if (!ok)
            break;
        n[i] = v;
    }
    auto half = [](std::int64_t x, std::int64_t y) -> std::int32_t {
        if (x < 0 || y < 0)
            return -1;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(x * 65536 + y));
    };
    return {half(n[0], n[1]), half(n[2], n[3])};
}

bool IsLowerVersion(const TFileVersion& local, const TFileVersion& newVersion)
{
    return local.High < newVersion.High || (local.High == newVersion.High && local.Low < newVersion.Low);
}

TFileVersion ReadFileVersion(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < static_cast<qint64>(kVersionBlockSize))
        return {};
    const qint64 size = f.size();
    const uchar* data = f.map(0, size);
    QByteArray copy;
    if (!data) {
        copy = f.readAll();
        data = reinterpret_cast<const uchar*>(copy.constData());
    }
    const qint64 last = size - static_cast<qint64>(kVersionBlockSize);
    for (qint64 at = 0; at <= last; ++at) {
        // The key sits 6 bytes into the block.
        const uchar* p = data + at;
        if (p[6] != 'V' || std::memcmp(p + 6, kKey.data(), kKey.size()) != 0)
            continue;
        if (Le16(p + 2) != 52 || Le16(p) < kVersionBlockSize || Le32(p + 40) != 0xFEEF04BD)
            continue;
        return {static_cast<std::int32_t>(Le32(p + 48)), static_cast<std::int32_t>(Le32(p + 52))};
    }
    return {};
}

QString VersionText(const TFileVersion& v)
{
    if (!v.HasBothHalves())
        return {};
    const auto h = static_cast<std::uint32_t>(v.High);
    const auto l = static_cast<std::uint32_t>(v.Low);
    return QStringLiteral("%1.%2.%3.%4").arg(h >> 16).arg(h & 0xFFFF).arg(l >> 16).arg(l & 0xFFFF);
}

} // namespace sv
