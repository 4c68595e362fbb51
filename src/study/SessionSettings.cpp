#include "study/SessionSettings.h"

#include "user/User.h"

namespace sv {

namespace {
TSessionSettings CommonSettings(const TUser& user, TAskerKind kind)
{
    const TUserOptions& o = user.Options;
    TSessionSettings s;
    s.Kind = kind;
    s.Mixed = o.Mixed != 0;
    s.Timed = o.Timed != 0;
    s.Prejump = o.Prejump != 0;
    s.PrejumpSpoken = o.Prejump != 0 && o.PrejumpSpoken != 0;
    s.KeywordTargeting = false;
    s.KeywordTarget = 999;
    return s;
}
} // namespace

TSessionSettings QuestionSessionSettings(const TUser& user)
{
    TSessionSettings s = CommonSettings(user, TAskerKind::Questions);
    s.KeywordTargeting = user.Options.KeywordTargeting != 0;
    s.KeywordTarget = s.KeywordTargeting ? user.Options.KeywordTargetWords : 999;
    s.MarkUniques = user.Options.MarkUniques != 0;
    return s;
}

TSessionSettings MemorySessionSettings(const TUser& user)
{
    TSessionSettings s = CommonSettings(user, TAskerKind::MemoryVerses);
    s.KeywordsOnly = user.Options.MemKeywordsOnly != 0;
    s.TypeVerse = user.TypeVerse != 0;
    return s;
}

TSessionSettings ReferenceSessionSettings(const TUser& user) { return CommonSettings(user, TAskerKind::References); }

} // namespace sv
