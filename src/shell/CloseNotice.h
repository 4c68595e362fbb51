#pragma once
// The notice a window that holds the program's start commands (a study set-up, the question
// sets or lists window) gives when it closes, so that the commands come back. It is given
// once, however the close comes (Cancel, Escape, the close box, the end of the window's
// work), and not at all once withdrawn: the window has handed over to another that gives it
// later (a study session, a game).

#include <functional>
#include <utility>

namespace sv {

class TCloseNotice {
public:
    TCloseNotice() = default;
    explicit TCloseNotice(std::function<void()> notice) : m_notice(std::move(notice)) { }

    // The notice is not given after this.
    void Withdraw() { m_pending = false; }
    // Whether the notice is still to be given.
    bool Pending() const { return m_pending; }
    // Gives the notice when it is still pending; later calls do nothing.
    void Give()
    {
        if (!m_pending)
            return;
        m_pending = false;
        if (m_notice)
            m_notice();
    }

private:
    std::function<void()> m_notice;
    bool m_pending = true;
};

} // namespace sv
