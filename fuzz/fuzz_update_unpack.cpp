// Feeds arbitrary bytes to the SZDD expansion and the cabinet extraction (the first byte
// chooses which). Whatever the input, nothing may crash, and nothing may be written outside
// the target folder.
#include "update/Unpack.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    QTemporaryDir root;
    const QString input = root.filePath(QStringLiteral("in/update.tx_"));
    const QString target = root.filePath(QStringLiteral("target"));
    QDir().mkpath(root.filePath(QStringLiteral("in")));
    QDir().mkpath(target);
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    }
    const sv::TUnpackResult r = (data[0] & 1) ? sv::ExtractCabinet(input, target) : sv::ExpandSzdd(input);
    // Only the input folder and the target folder may hold anything afterwards.
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(root.path()).relativeFilePath(it.next());
        if (!rel.startsWith(QLatin1String("in/")) && !rel.startsWith(QLatin1String("target/")))
            std::abort();
        if (!r.Ok && rel.startsWith(QLatin1String("target/")))
            std::abort(); // a refused archive leaves nothing behind
    }
    return 0;
}
