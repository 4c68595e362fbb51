#pragma once
// Small file helpers for the user-data tests.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace sv::test {

inline std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return {b.begin(), b.end()};
}

inline void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    QFile f(QString::fromStdString(path));
    f.open(QIODevice::WriteOnly);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

inline QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// While alive, any write that takes a file past `bytes` fails (EFBIG): a disk that fills up
// half-way through a save. Works for root too, unlike permission bits.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace sv::test
