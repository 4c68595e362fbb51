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
        // The answer is copied as a value, not as an optional: copying the optional makes GCC 12
        // warn of an uninitialised string where none is.
        const bool cancelled = !Answers.front().has_value();
        TSaveAnswer a = cancelled ? TSaveAnswer{} : *Answers.front();
        Answers.pop_front();
        if (cancelled)
            return std::nullopt;
        return a;
    }
};

} // namespace sv::test
