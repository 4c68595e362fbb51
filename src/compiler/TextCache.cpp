#include "compiler/TextCache.h"

#include "common/Errors.h"
#include "common/SaveAtomically.h"

#include <QCryptographicHash>

#include <cctype>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>

namespace sv::content {

namespace fs = std::filesystem;

std::string TextCacheFile(const std::string& dir, const std::string& module, const std::string& key,
                          const std::string& format, const std::string& options)
{
    // Keys hold blanks and may hold any character: the name is a digest of the question,
    // with the module and book key in front for a person looking at the folder.
    const std::string asked = module + '\n' + key + '\n' + format + '\n' + options;
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(asked), QCryptographicHash::Sha256).toHex().left(16);
    std::string readable;
    for (const char c : module + "-" + key)
        readable += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
    return (fs::path(dir) / (readable + "-" + digest.toStdString() + ".txt")).string();
}

TScriptureSource RecordingSource(TScriptureSource inner, std::string dir)
{
    return [inner = std::move(inner), dir = std::move(dir)](const std::string& module, const std::string& key,
                                                            const std::string& format, const std::string& options) {
        std::string text = inner(module, key, format, options);
        std::error_code ec;
        fs::create_directories(dir, ec);
        SaveAtomically(TextCacheFile(dir, module, key, format, options),
                       std::span<const char>(text.data(), text.size()));
        return text;
    };
}

TScriptureSource CachedSource(std::string dir, TScriptureSource fallback)
{
    return
        [dir = std::move(dir), fallback = std::move(fallback)](const std::string& module, const std::string& key,
                                                               const std::string& format, const std::string& options) {
            std::ifstream in(TextCacheFile(dir, module, key, format, options), std::ios::binary);
            if (!in)
                return fallback(module, key, format, options);
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        };
}

} // namespace sv::content
