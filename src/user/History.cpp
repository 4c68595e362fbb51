#include "user/History.h"

#include "common/Errors.h"
#include "user/FieldIO.h"

namespace sv {

namespace {

int Offset(int collection, int number)
{
    if (collection < 0 || collection > 7)
        ThrowRange("Range check error: set history collection " + std::to_string(collection)
                   + " outside 0..7");
    if (number < 1 || number > 8191)
        ThrowRange("Range check error: set history question " + std::to_string(number)
                   + " outside 1..8191");
    return collection * 8191 + (number - 1);
}

} // namespace

void THistory::SaveToStream(TStreamWriter& w) const { TFieldWriter{w}(m_uses); }

void THistory::LoadFromStream(TStreamReader& r) { TFieldReader{r}(m_uses); }

void THistory::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path, TShortReads::Keep);
    LoadFromStream(r);
}

void THistory::SaveToFile(const std::string& path) const
{
    TStreamWriter w;
    SaveToStream(w);
    w.saveToFile(path);
}

void THistory::Clear() { m_uses.fill(0); }

std::uint8_t THistory::SetUseCount(int collection, int number) const
{
    return m_uses[Offset(collection, number)];
}

std::uint8_t& THistory::At(int collection, int number) { return m_uses[Offset(collection, number)]; }

} // namespace sv
