#include "user/History.h"

#include "common/Errors.h"
#include "common/FieldIO.h"

namespace sv {

namespace {

int Offset(TQuestionAddr q)
{
    if (q.Collection < 0 || q.Collection > 7)
        ThrowRange("Range check error: set history collection " + std::to_string(q.Collection) + " outside 0..7");
    if (q.Index < 1 || q.Index > 8191)
        ThrowRange("Range check error: set history question " + std::to_string(q.Index) + " outside 1..8191");
    return q.Collection * 8191 + (q.Index - 1);
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

std::uint8_t THistory::SetUseCount(TQuestionAddr q) const { return m_uses[Offset(q)]; }

std::uint8_t& THistory::At(TQuestionAddr q) { return m_uses[Offset(q)]; }

} // namespace sv
