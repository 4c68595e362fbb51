#pragma once
// The three study set-up dialogs: questions (TQsDlgStart), memory verses (TMemDlgStart) and
// references (TAccToDlgStart). Each shows its page loaded from the user record, checks the
// choices on OK, saves them, fills its working list and opens the session window. While one
// is open the main window holds the session commands disabled.

#include "content/MarkedText.h"
#include "material/MaterialChoices.h"
#include "shell/CloseNotice.h"
#include "study/gui/StudyContext.h"

#include <QWidget>

class QPushButton;

namespace sv {

class TfrmAccTo;
class TfrmMemory;
class TfrmQuestions;
class TQuestionAsker;

class TStudyDlgStart : public QWidget {
    Q_OBJECT
public:
    KeywordTags Tags{"keyword colours"};
    // Gives the main window its commands back when the dialog closes without a session.
    TCloseNotice CommandsOnClose;

    // The session opened by the last successful OK (null before).
    TQuestionAsker* Session() const { return m_session; }

    virtual void OKBtnClick() = 0;
    void CancelBtnClick() { close(); }
    // The choices shown are for one session only (a task's): OK studies them and leaves the
    // person's own choices in their record as they were.
    void KeepPersonsChoices() { m_keepOwnChoices = true; }

protected:
    // dialogHelp is the window's help page (F1, title-bar help), buttonHelp the Help button's.
    TStudyDlgStart(const TStudyContext& context, const char* caption, int dialogHelp, int buttonHelp, QWidget* parent);
    // Lays out the page (named "page") above the buttons; sends UM_DIALOGOPEN.
    void Finish(QWidget* page);
    void closeEvent(QCloseEvent* event) override;
    // Enter presses OK and Escape Cancel, as in any dialog (the window is a child window, so
    // the buttons' default role alone does not do it).
    void keyPressEvent(QKeyEvent* event) override;
    void Warn(const char* text);
    // Creates the session, hands it to the main window and closes without re-enabling.
    void OpenSession(TQuestionAsker* session);

    TStudyContext m_context;
    TQuestionAsker* m_session = nullptr;
    bool m_keepOwnChoices = false;

private:
    // Names the buttons and the page for the tests and the accessibility tools.
    void NameControls(QWidget* page);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* helpBtn;
    int m_helpContext;
};

class TQsDlgStart : public TStudyDlgStart {
    Q_OBJECT
public:
    explicit TQsDlgStart(const TStudyContext& context, QWidget* parent = nullptr);
    void OKBtnClick() override;
    // Shows a task's choices on the page.
    void LoadFromTask(const TMaterialChoice& material, const TQuestionChoices& choices);
    TQuestionChoices Choices() const;

private:
    TfrmQuestions* df;
};

class TMemDlgStart : public TStudyDlgStart {
    Q_OBJECT
public:
    explicit TMemDlgStart(const TStudyContext& context, QWidget* parent = nullptr);
    void OKBtnClick() override;
    // Shows a task's choices on the page.
    void LoadFromTask(const TMaterialChoice& material, const TMemoryChoices& choices);
    TMemoryChoices Choices() const;

private:
    TfrmMemory* df;
};

class TAccToDlgStart : public TStudyDlgStart {
    Q_OBJECT
public:
    explicit TAccToDlgStart(const TStudyContext& context, QWidget* parent = nullptr);
    void OKBtnClick() override;
    // Shows a task's choices on the page.
    void LoadFromTask(const TMaterialChoice& material, const TReferenceChoices& choices);
    TReferenceChoices Choices() const;

private:
    TfrmAccTo* df;
};

} // namespace sv
