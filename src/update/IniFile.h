#pragma once
// TIniFile: a read-only INI text as written by hand or by other programs (the update control
// file). Sections in square brackets, then lines "key=value". Section and key names compare
// without regard to case; the first occurrence of a key wins; values keep their backslashes,
// commas and semicolons exactly as written (only the blanks around them and one pair of
// enclosing double quotes are taken off). Lines beginning with ";" or "#" are comments. The
// bytes are Windows-1252 (a UTF-8 byte-order mark is skipped and the text read as UTF-8).

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace sv {

class TIniFile {
public:
    TIniFile() = default;
    explicit TIniFile(const QByteArray& text) { Parse(text); }

    // Reads the file; false when it cannot be opened (the content is then empty).
    bool LoadFromFile(const QString& path);
    void Parse(const QByteArray& text);

    bool HasKey(const QString& section, const QString& key) const;
    // A missing key reads as the default.
    QString ReadString(const QString& section, const QString& key, const QString& def = {}) const;
    // Decimal (with an optional sign), or hexadecimal after "$" or "0x". A value that is not a
    // number, or does not fit in 64 bits, reads as the default.
    std::int64_t ReadInteger(const QString& section, const QString& key, std::int64_t def) const;
    // A 32-bit number as checksums are written: signed (-2147483648..2147483647) or unsigned
    // (up to 4294967295, taken modulo 2^32). Anything else reads as the default.
    std::int32_t ReadInt32(const QString& section, const QString& key, std::int32_t def) const;

    // All section names, in file order (for diagnostics and tests).
    std::vector<QString> Sections() const;

private:
    struct TEntry {
        QString Section; // in capitals
        QString Key;     // in capitals
        QString Value;
    };
    const TEntry* Find(const QString& section, const QString& key) const;
    std::vector<TEntry> m_entries;
    std::vector<QString> m_sections;
};

} // namespace sv
