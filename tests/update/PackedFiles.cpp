#include "update/PackedFiles.h"

namespace sv::test {

namespace {
void Put16(QByteArray& out, quint16 v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}
void Put32(QByteArray& out, quint32 v)
{
    Put16(out, static_cast<quint16>(v & 0xFFFF));
    Put16(out, static_cast<quint16>(v >> 16));
}
} // namespace

QByteArray MakeSzdd(const QByteArray& data, char missingChar)
{
    QByteArray out("SZDD\x88\xF0\x27\x33", 8);
    out.append('A');
    out.append(missingChar);
    Put32(out, static_cast<quint32>(data.size()));
    for (qsizetype i = 0; i < data.size(); i += 8) {
        const qsizetype n = std::min<qsizetype>(8, data.size() - i);
        out.append(static_cast<char>((1u << n) - 1)); // n literal bytes follow
        out.append(data.mid(i, n));
    }
    return out;
}

QByteArray MakeCab(const QList<TCabMember>& members)
{
    QByteArray data;
    for (const TCabMember& m : members)
        data += m.Data;
    QByteArray files;
    quint32 offset = 0;
    for (const TCabMember& m : members) {
        Put32(files, static_cast<quint32>(m.Data.size()));
        Put32(files, offset);
        Put16(files, 0); // folder 0
        Put16(files, m.DosDate);
        Put16(files, m.DosTime);
        Put16(files, 0x20);
        files += m.Name;
        files.append('\0');
        offset += static_cast<quint32>(m.Data.size());
    }
    const quint32 headerSize = 36, folderSize = 8;
    const quint32 dataStart = headerSize + folderSize + static_cast<quint32>(files.size());
    const quint32 total = dataStart + 8 + static_cast<quint32>(data.size());
    QByteArray out("MSCF", 4);
    Put32(out, 0);
    Put32(out, total);
    Put32(out, 0);
    Put32(out, headerSize + folderSize); // first file entry
    Put32(out, 0);
    out.append(char(3));
    out.append(char(1));
    Put16(out, 1); // folders
    Put16(out, static_cast<quint16>(members.size()));
    Put16(out, 0); // flags
    Put16(out, 0); // set id
    Put16(out, 0); // cabinet number
    Put32(out, dataStart);
    Put16(out, 1); // data blocks
    Put16(out, 0); // stored
    out += files;
    Put32(out, 0); // no checksum
    Put16(out, static_cast<quint16>(data.size()));
    Put16(out, static_cast<quint16>(data.size()));
    out += data;
    return out;
}

} // namespace sv::test
