#pragma once
// Small compressed files written by the tests themselves: SZDD (LZ-compressed, every byte a
// literal) and cabinets with stored (uncompressed) members whose names the test chooses,
// including names no archiving tool would write.

#include <QByteArray>
#include <QList>

namespace sv::test {

// An SZDD file holding data; missingChar is the character the compressed name lacks.
QByteArray MakeSzdd(const QByteArray& data, char missingChar);

struct TCabMember {
    QByteArray Name; // as stored ("sub\\a.txt", "..\\evil", ...)
    QByteArray Data;
    quint16 DosDate = (2024 - 1980) << 9 | 3 << 5 | 15; // 2024-03-15
    quint16 DosTime = 10 << 11 | 30 << 5;               // 10:30:00
};
QByteArray MakeCab(const QList<TCabMember>& members);

} // namespace sv::test
