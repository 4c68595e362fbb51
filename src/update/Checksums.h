#pragma once
// The checksums the update control file gives for a local file ("newchecksum"), both compared
// as 32-bit signed numbers:
//   byte sum: -1 plus the sum of all bytes of the file (wrapping at 32 bits);
//   CRC-32:   the standard CRC-32 (reflected polynomial 0xEDB88320, as zlib computes it).
// A file that cannot be read gives -1 for either. Sha256Hex is our addition for the optional
// "sha256" key of a file entry (lower-case hexadecimal; empty when unreadable).

#include <QString>

#include <cstdint>

namespace sv {

enum class TChecksumKind { ByteSum, Crc32 };

std::int32_t FileChecksum(const QString& path, TChecksumKind kind);
QString Sha256Hex(const QString& path);

} // namespace sv
