#include "user/UserOptions.h"

namespace sv {

void TUserOptions::Reset(bool usesSituation, bool assistantAvailable)
{
    *this = TUserOptions{};
    const std::int32_t q1 = usesSituation ? 4 : 0;
    const std::int32_t q2 = usesSituation ? 19 : 22;
    const std::int32_t q3 = usesSituation ? 3 : 0;
    const std::int32_t unused1[17] = {20, 15, 8, 12, 2, 3, 1, 2, 3, 5, 2, 7, 0, q1, 5, 2, 1};
    const std::int32_t unused2[17] = {0, 11, 4, 1, 1, 1, 1, 1, 5, q2, 6, 1, 1, q3, 17, 1, 30};
    for (int i = 1; i <= 17; ++i) {
        Unused1[i] = unused1[i - 1];
        Unused2[i] = unused2[i - 1];
    }
    Unused3[1] = 100;
    Unused3[2] = 50;
    UseAssistant = assistantAvailable ? 1 : 0;
    QuestionTypes.fill(1);
}

} // namespace sv
