#include "user/User.h"

#include "common/Errors.h"
#include "common/FieldIO.h"
#include "user/Knowledge.h"
#include "user/MemoryKind.h"

#include <type_traits>

namespace sv {

template <class Self, class F>
void TUser::Fields(Self& s, F&& f)
{
    f(s.Version), f(s.Reserved4), f(s.FullName), f(s.FileName), f(s.Reserved207);
    f(s.Reserved216), f(s.Reserved220), f(s.Reserved224), f(s.LimitNumber), f(s.AllAvailable);
    f(s.Padding230), f(s.MaxQuestions), f(s.Collections);
    TUserOptions::Fields(s.Options, f);
    f(s.WordUseLimit), f(s.MemVerseTypes), f(s.GameRounds), f(s.GameMemoryVerses);
    f(s.ChapterSel), f(s.SectionSel), f(s.VerseSel), f(s.MemorySel);
    f(s.QuestionKnowledge), f(s.ReferenceKnowledge), f(s.MemoryKnowledge);
    TWallOfFame::Fields(s.WallOfFame, f);
    f(s.VoiceName), f(s.PersonalityName), f(s.TypeVerse), f(s.ReservedBlock);
}

TUser::TUser() { Reset(false, false); }

void TUser::SaveToStream(TStreamWriter& w) const
{
    // The file is written in this program's layout, whatever version it was read as.
    TFieldWriter write(w);
    Fields(*this, [&](const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::int32_t>)
            if (&field == &Version) {
                write(FileVersion);
                return;
            }
        write(field);
    });
}

void TUser::LoadFromStream(TStreamReader& r) { Fields(*this, TFieldReader(r)); }

void TUser::SaveToFile(const std::string& path) const
{
    TStreamWriter w;
    SaveToStream(w);
    w.saveToFile(path);
}

void TUser::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path, TShortReads::Keep);
    LoadFromStream(r);
}

void TUser::Reset(bool usesSituation, bool assistantAvailable)
{
    Version = FileVersion;
    Reserved4 = 0;
    FullName = {};
    FileName = {};
    Reserved207 = {};
    Reserved216 = Reserved220 = Reserved224 = 0;
    LimitNumber = 1;
    AllAvailable = 0;
    Padding230 = 0;
    MaxQuestions = 30;
    Collections.fill(0);
    Options.Reset(usesSituation, assistantAvailable);
    WordUseLimit = 4;
    MemVerseTypes = MemoryKindBoth;
    GameRounds = 0;
    GameMemoryVerses = 0;
    ChapterSel.fill(0);
    SectionSel.fill(0);
    VerseSel.fill(0);
    MemorySel.fill(0);
    QuestionKnowledge.fill(KnowledgeUntried);
    ReferenceKnowledge.fill(KnowledgeUntried);
    MemoryKnowledge.fill(KnowledgeUntried);
    WallOfFame.Reset();
    VoiceName = TShortString<255>("Default");
    PersonalityName = TShortString<255>("Encourager");
    TypeVerse = 0;
    ReservedBlock.fill(0);
}

// --- Study results ---

namespace {

int QuestionOffset(TQuestionAddr q)
{
    if (q.Collection < 0 || q.Collection > 7)
        ThrowRange("Range check error: question collection " + std::to_string(q.Collection) + " outside 0..7");
    if (q.Index < 1 || q.Index > TUser::QuestionsPerCollection)
        ThrowRange("Range check error: question number " + std::to_string(q.Index) + " outside 1..8191");
    return q.Collection * TUser::QuestionsPerCollection + (q.Index - 1);
}

} // namespace

std::uint8_t& TUser::QuestionByte(TQuestionAddr q) { return QuestionKnowledge[QuestionOffset(q)]; }

std::uint8_t TUser::QuestionByte(TQuestionAddr q) const { return QuestionKnowledge[QuestionOffset(q)]; }

void TUser::RecordReference(int verseNo, bool right)
{
    std::uint8_t& b = ReferenceKnowledge[verseNo];
    b = ApplyReferenceAnswer(b, right);
}

bool TUser::IsTried(TQuestionAddr q) const { return sv::IsTried(QuestionByte(q)); }
bool TUser::IsUnmastered(TQuestionAddr q) const { return sv::IsUnmastered(QuestionByte(q)); }
bool TUser::IsMastered(TQuestionAddr q) const { return sv::IsMastered(QuestionByte(q)); }
bool TUser::IsMemoryVerseTried(int m) const { return sv::IsTried(MemoryKnowledge[m]); }
bool TUser::IsMemoryVerseUnmastered(int m) const { return sv::IsUnmastered(MemoryKnowledge[m]); }
bool TUser::IsMemoryVerseMastered(int m) const { return sv::IsMastered(MemoryKnowledge[m]); }
bool TUser::IsReferenceTried(int v) const { return sv::IsTried(ReferenceKnowledge[v]); }
bool TUser::IsReferenceUnmastered(int v) const { return sv::IsUnmastered(ReferenceKnowledge[v]); }
bool TUser::IsReferenceMastered(int v) const { return sv::IsMastered(ReferenceKnowledge[v]); }

// --- Material selection ---

TSelectionKind TUser::SelectionMode() const
{
    if (Options.ByVerses)
        return TSelectionKind::ByVerse;
    if (Options.BySections)
        return TSelectionKind::BySection;
    if (Options.ByMemory)
        return TSelectionKind::ByMemory;
    return TSelectionKind::ByChapter;
}

void TUser::SetSelectionMode(TSelectionKind kind)
{
    Options.ByChapters = kind == TSelectionKind::ByChapter;
    Options.ByVerses = kind == TSelectionKind::ByVerse;
    Options.BySections = kind == TSelectionKind::BySection;
    Options.ByMemory = kind == TSelectionKind::ByMemory;
}

std::span<std::uint8_t> TUser::SelectionFlags(TSelectionKind kind)
{
    switch (kind) {
    case TSelectionKind::ByChapter:
        return {ChapterSel.begin(), ChapterSel.end()};
    case TSelectionKind::ByVerse:
        return {VerseSel.begin(), VerseSel.end()};
    case TSelectionKind::BySection:
        return {SectionSel.begin(), SectionSel.end()};
    case TSelectionKind::ByMemory:
        return {MemorySel.begin(), MemorySel.end()};
    }
    ThrowRange("Range check error: selection kind " + std::to_string(static_cast<int>(kind)) + " outside 0..3");
}

std::span<const std::uint8_t> TUser::SelectionFlags(TSelectionKind kind) const
{
    return const_cast<TUser*>(this)->SelectionFlags(kind);
}

} // namespace sv
