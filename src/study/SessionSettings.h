#pragma once
// The settings a study session starts with, read from the user record after the set-up page
// of its kind was saved into it.

#include "study/AskerLogic.h"

namespace sv {

class TUser;

// Session settings of each study kind, read from the user record after its page was saved.
TSessionSettings QuestionSessionSettings(const TUser& user);
TSessionSettings MemorySessionSettings(const TUser& user);
TSessionSettings ReferenceSessionSettings(const TUser& user);

} // namespace sv
