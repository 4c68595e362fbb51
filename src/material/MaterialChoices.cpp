#include "material/MaterialChoices.h"

#include "user/User.h"

namespace sv {

namespace {
std::uint8_t Flag(bool on) { return on ? 1 : 0; }
} // namespace

TNumberChoice NumberChoiceOf(const TUser& user)
{
    return {user.AllAvailable != 0, user.LimitNumber != 0, user.MaxQuestions};
}

void StoreNumberChoice(TUser& user, const TNumberChoice& c)
{
    user.AllAvailable = Flag(c.AllAvailable);
    user.LimitNumber = Flag(c.LimitNumber);
    user.MaxQuestions = c.MaxQuestions;
}

TModeChoice ModeChoiceOf(const TUser& user)
{
    const TUserOptions& o = user.Options;
    return {o.Mixed != 0, o.Timed != 0, o.Prejump != 0, o.PrejumpSpoken != 0};
}

void StoreModeChoice(TUser& user, const TModeChoice& c)
{
    TUserOptions& o = user.Options;
    o.Mixed = Flag(c.Mixed);
    o.Timed = Flag(c.Timed);
    o.Prejump = Flag(c.Prejump);
    o.PrejumpSpoken = Flag(c.PrejumpSpoken);
}

TQuestionChoices QuestionChoicesOf(const TUser& user)
{
    TQuestionChoices c;
    c.Number = NumberChoiceOf(user);
    c.Modes = ModeChoiceOf(user);
    c.KeywordTargeting = user.Options.KeywordTargeting != 0;
    c.KeywordTargetWords = user.Options.KeywordTargetWords;
    c.MarkUniques = user.Options.MarkUniques != 0;
    return c;
}

void StoreQuestionChoices(TUser& user, const TQuestionChoices& c)
{
    StoreNumberChoice(user, c.Number);
    StoreModeChoice(user, c.Modes);
    user.Options.KeywordTargeting = Flag(c.KeywordTargeting);
    user.Options.KeywordTargetWords = c.KeywordTargetWords;
    user.Options.MarkUniques = Flag(c.MarkUniques);
}

TMemoryChoices MemoryChoicesOf(const TUser& user)
{
    TMemoryChoices c;
    c.Number = NumberChoiceOf(user);
    c.Modes = ModeChoiceOf(user);
    c.KeywordsOnly = user.Options.MemKeywordsOnly != 0;
    c.VerseTypes = user.MemVerseTypes;
    c.TypeVerse = user.TypeVerse != 0;
    return c;
}

void StoreMemoryChoices(TUser& user, const TMemoryChoices& c)
{
    StoreNumberChoice(user, c.Number);
    StoreModeChoice(user, c.Modes);
    user.Options.MemKeywordsOnly = Flag(c.KeywordsOnly);
    user.MemVerseTypes = c.VerseTypes;
    user.TypeVerse = Flag(c.TypeVerse);
}

TReferenceChoices ReferenceChoicesOf(const TUser& user) { return {NumberChoiceOf(user), ModeChoiceOf(user)}; }

void StoreReferenceChoices(TUser& user, const TReferenceChoices& c)
{
    StoreNumberChoice(user, c.Number);
    StoreModeChoice(user, c.Modes);
}

} // namespace sv
