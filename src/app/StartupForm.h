#pragma once
// TStartupForm: "Select User". Lists the people who have a user file (the one chosen last
// preselected), lets the person pick one or type a new name, loads or creates the current
// user and tells the main window that a user is ready. Opened again while a person is chosen
// ("New User..."), Cancel or Escape leaves that person in place.

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace sv {

class TMainForm;

class TStartupForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1000;

    // Saves the current user (when one is chosen), lists the user files and shows the window
    // at the bottom right of the main window.
    explicit TStartupForm(TMainForm& main);

    void OKBtnClick();
    void CancelBtnClick();
    // The names in the list, as Windows-1252 bytes.
    std::vector<std::string> ListedNames() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QComboBox* SelectNameComboBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr; // shown only while a person is chosen

    void Choose(const std::string& typed);
    // After a person was loaded: when the questions changed since their results were written,
    // their results follow their questions, and the person is told so in one line.
    void FollowChangedQuestions(const std::string& fileName);
    // Writes the current person's file when a person is chosen; false (error shown) on failure.
    bool SaveCurrentUser();

    TMainForm& m_main;
    bool m_done = false;
};

// Closes a window of the multiple-document area together with its frame.
void CloseChildWindow(QWidget* window);

} // namespace sv
