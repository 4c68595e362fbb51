#pragma once
// The announcer of the window tests: keeps every text in order.

#include "shell/Services.h"

#include <string>
#include <vector>

namespace sv::test {

class TScriptedAnnouncer : public IAnnouncer {
public:
    std::vector<std::string> Heard;
    void Announce(const QString& text) override { Heard.push_back(text.toStdString()); }
    // The texts heard since the last call.
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(Heard);
        return out;
    }
};

} // namespace sv::test
