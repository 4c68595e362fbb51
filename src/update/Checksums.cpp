#include "update/Checksums.h"

#include <QCryptographicHash>
#include <QFile>

#include <zlib.h>

namespace sv {

std::int32_t FileChecksum(const QString& path, TChecksumKind kind)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    std::uint32_t sum = 0xFFFFFFFFu; // -1
    uLong crc = crc32(0L, Z_NULL, 0);
    char buffer[16384];
    for (;;) {
        const qint64 n = f.read(buffer, sizeof buffer);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        if (kind == TChecksumKind::Crc32) {
            crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer), static_cast<uInt>(n));
        } else {
            for (qint64 i = 0; i < n; ++i)
                sum += static_cast<unsigned char>(buffer[i]);
        }
    }
    const std::uint32_t value = kind == TChecksumKind::Crc32 ? static_cast<std::uint32_t>(crc) : sum;
    return static_cast<std::int32_t>(value);
}

QString Sha256Hex(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace sv
