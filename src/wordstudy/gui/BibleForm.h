#pragma once
// TBibleForm: the Bible window, a child window of the main window that holds the word study
// browser frame (caption "Bible" until the browser sets its own). The main window opens a new
// one for each "Word study" command (OpenBibleWindow); a study session keeps one and points it
// at the current passage (ShowPassage), forgetting it when it closes (OnClosed).

#include "content/VerseRef.h"
#include "wordstudy/gui/BibleFrame.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QCloseEvent;
class QMdiArea;
class QWheelEvent;

namespace sv {

class TBooks;
class IBibleSpeech;

class TBibleForm : public QWidget {
public:
    // The help context of this window (page "help/7100.html" of the program's help).
    static constexpr int HelpContext = 7100;

    TBibleForm(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech, QWidget* parent = nullptr);
    ~TBibleForm() override;

    TfrmBible& Frame() { return *m_frame; }

    // What a study session's Bible button does: every verse, the word list hidden, the n
    // verses from ref highlighted and scrolled into view, the window brought to the front.
    // withoutKeywords unchecks "Used" first (the session does so when it creates the window).
    void ShowPassage(const TVerseRef& ref, int n, bool withoutKeywords);

    // Called once when the window closes (before it is freed).
    std::function<void()> OnClosed;

protected:
    void closeEvent(QCloseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    TfrmBible* m_frame;
    bool m_closed = false;
};

// Opens a new Bible window as a child window of the main window's MDI area (freed when it
// closes) and shows it. Any number may be open at once.
TBibleForm* OpenBibleWindow(QMdiArea& area, const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech);

} // namespace sv
