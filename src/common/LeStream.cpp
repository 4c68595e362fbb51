#include "common/LeStream.h"

#include "common/Errors.h"
#include "common/SaveAtomically.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstring>

namespace sv {

TStreamReader::TStreamReader(std::vector<std::uint8_t> data, std::string name, TShortReads mode)
    : m_data(std::move(data)), m_name(std::move(name)), m_mode(mode)
{ }

TStreamReader TStreamReader::FromFile(const std::string& path, TShortReads mode)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        ThrowCannotOpen(path);
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return TStreamReader(std::move(data), path, mode);
}

void TStreamReader::readBytes(std::span<std::uint8_t> out)
{
    const std::size_t avail = remaining();
    if (out.size() > avail) {
        if (m_mode == TShortReads::Fail)
            ThrowRange("File " + m_name + " is truncated: " + std::to_string(out.size()) + " bytes needed at offset "
                       + std::to_string(m_pos) + ", " + std::to_string(avail) + " left");
        m_short = true;
    }
    const std::size_t n = std::min(out.size(), avail);
    if (n > 0)
        std::memcpy(out.data(), m_data.data() + m_pos, n);
    m_pos += n;
}

void TStreamReader::skip(std::size_t n)
{
    const std::size_t avail = remaining();
    if (n > avail) {
        if (m_mode == TShortReads::Fail)
            ThrowRange("File " + m_name + " is truncated: " + std::to_string(n) + " bytes needed at offset "
                       + std::to_string(m_pos) + ", " + std::to_string(avail) + " left");
        m_short = true;
    }
    m_pos += std::min(n, avail);
}

void TStreamWriter::writeBytes(std::span<const std::uint8_t> bytes)
{
    m_data.insert(m_data.end(), bytes.begin(), bytes.end());
}

void TStreamWriter::writeZeros(std::size_t n) { m_data.insert(m_data.end(), n, 0); }

void TStreamWriter::saveToFile(const std::string& path) const
{
    SaveAtomically(path, std::span<const std::uint8_t>(m_data));
}

} // namespace sv
