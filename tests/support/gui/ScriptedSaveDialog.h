#pragma once
// A save dialog for the print window tests: answered from a queue, the requests kept.

#include "print/gui/SaveDialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace sv::test {

// Save dialogs answered from a queue (an empty answer cancels); the requests are kept.
class TScriptedSaveDialog : public ISaveDialog {
public:
    std::deque<std::optional<TSaveAnswer>> Answers;
    std::vector<TSaveRequest> Requests;
    std::optional<TSaveAnswer> Ask(const TSaveRequest& request) override
    {
        Requests.push_back(request);
        if (Answers.empty()) {
            ADD_FAILURE() << "unanswered save dialog";
            return std::nullopt;
        }
        auto a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

} // namespace sv::test
