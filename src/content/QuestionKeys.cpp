#include "content/QuestionKeys.h"

#include "common/Errors.h"
#include "common/LeStream.h"

#include <QCryptographicHash>
#include <QFile>
#include <QString>

#include <set>

namespace sv {

namespace {

void CheckCollection(int collection)
{
    if (collection < 0 || collection >= MaxCollections)
        ThrowIndex("question key collection", collection, 0, MaxCollections - 1);
}

void WriteText(TStreamWriter& w, const std::string& s)
{
    if (s.size() > 255)
        ThrowRange("Range check error: a question key of " + std::to_string(s.size()) + " characters");
    w.u8(static_cast<std::uint8_t>(s.size()));
    w.writeBytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
}

std::string ReadText(TStreamReader& r)
{
    std::string s(r.u8(), '\0');
    r.readBytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(s.data()), s.size()));
    return s;
}

} // namespace

const std::vector<TQuestionKey>& TQuestionKeys::Collection(int collection) const
{
    CheckCollection(collection);
    return m_collections[static_cast<std::size_t>(collection)];
}

std::vector<TQuestionKey>& TQuestionKeys::Collection(int collection)
{
    CheckCollection(collection);
    return m_collections[static_cast<std::size_t>(collection)];
}

const TQuestionKey& TQuestionKeys::At(TQuestionAddr q) const
{
    const auto& c = Collection(q.Collection);
    if (q.Index < 1 || q.Index > static_cast<int>(c.size()))
        ThrowIndex("question key", q.Index, 1, static_cast<long long>(c.size()));
    return c[static_cast<std::size_t>(q.Index - 1)];
}

void TQuestionKeys::SaveToStream(TStreamWriter& w) const
{
    w.u32(FileVersion);
    w.writeBytes(Fingerprint);
    for (const auto& c : m_collections) {
        if (c.size() > static_cast<std::size_t>(MaxQuestionsPerCollection))
            ThrowRange("Range check error: " + std::to_string(c.size()) + " question keys in a collection");
        w.u16(static_cast<std::uint16_t>(c.size()));
        for (const TQuestionKey& k : c) {
            WriteText(w, k.Key);
            WriteText(w, k.Alias);
        }
    }
}

void TQuestionKeys::LoadFromStream(TStreamReader& r)
{
    auto fail = [&](const std::string& what) {
        ThrowRange("File " + r.name() + ": " + what + " at offset " + std::to_string(r.position()));
    };
    const std::uint32_t version = r.u32();
    if (version != FileVersion)
        fail("version " + std::to_string(version) + " is not known");
    TFingerprint fingerprint{};
    r.readBytes(fingerprint);
    std::array<std::vector<TQuestionKey>, MaxCollections> collections;
    for (auto& c : collections) {
        const std::uint16_t count = r.u16();
        // Every question takes at least three bytes: a count beyond the file is refused before
        // anything is reserved for it.
        if (count > MaxQuestionsPerCollection || count > r.remaining() / 3)
            fail("a count of " + std::to_string(count) + " questions does not fit");
        c.reserve(count);
        std::set<std::string> seen;
        for (int i = 0; i < count; ++i) {
            TQuestionKey k;
            k.Key = ReadText(r);
            k.Alias = ReadText(r);
            if (k.Key.empty())
                fail("an empty question key");
            if (!seen.insert(k.Key).second)
                fail("the question key \"" + k.Key + "\" stands twice in one collection");
            c.push_back(std::move(k));
        }
    }
    if (!r.atEnd())
        fail(std::to_string(r.remaining()) + " bytes after the last question");
    m_collections = std::move(collections);
    Fingerprint = fingerprint;
}

void TQuestionKeys::SaveToFile(const std::string& path) const
{
    TStreamWriter w;
    SaveToStream(w);
    w.saveToFile(path);
}

void TQuestionKeys::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path);
    LoadFromStream(r);
}

TQuestionKeys::TFingerprint TQuestionKeys::FingerprintOf(const std::vector<std::uint8_t>& bytes)
{
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
        QCryptographicHash::Sha256);
    TFingerprint f{};
    std::copy(hash.begin(), hash.end(), f.begin());
    return f;
}

TQuestionKeys::TFingerprint TQuestionKeys::FingerprintOfFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        ThrowCannotOpen(path);
    const QByteArray result = hash.result();
    TFingerprint f{};
    std::copy(result.begin(), result.end(), f.begin());
    return f;
}

} // namespace sv
