#include "common/SaveAtomically.h"

#include "common/Errors.h"

#include <QSaveFile>
#include <QString>

namespace sv {

void SaveAtomically(const std::string& path, std::span<const char> bytes)
{
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly))
        ThrowCannotCreate(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (f.write(bytes.data(), size) != size) {
        f.cancelWriting();
        ThrowCannotCreate(path);
    }
    if (!f.commit())
        ThrowCannotCreate(path);
}

void SaveAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    SaveAtomically(path, std::span<const char>(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace sv
