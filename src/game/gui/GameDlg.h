#pragma once
// TGameDlgStart: "Play The One-Way Game". Gathers the material, collections, the
// memory-verse choice, the number of rounds and up to three players (TfrmGame), builds the
// game's question and memory-verse lists and starts the game window.

#include "content/VerseSelection.h"
#include "game/gui/GameContext.h"
#include "study/gui/StudyDialogs.h"

#include <QString>
#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace sv {

class TfrmCollections;
class TfrmMaterialSelection;
class TGameForm;

// The page of the set-up dialog.
class TfrmGame : public QWidget {
    Q_OBJECT
public:
    TfrmGame(const TStudyContext& context, QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    // The frames' choices and the two game choices.
    void SaveToUser(TUser& user) const;

    // The three names as typed.
    std::array<QString, 3> PlayerNames() const;
    void FocusFirstPlayer();
    bool AnyMaterialChecked() const;
    int CheckedCollectionCount() const;
    TVerseSelection VerseTable() const;
    TMemoryVerseSelection MemoryTable() const;

private:
    void NameControls();

    QGroupBox* ChaptersGroupBox;
    TfrmMaterialSelection* material;
    QGroupBox* GroupBox1;
    TfrmCollections* collections;
    QGroupBox* MemoryVersesRadioGroup;
    QButtonGroup* memoryChoice;
    QGroupBox* RoundsRadioGroup;
    QButtonGroup* roundsChoice;
    QGroupBox* PlayersGroupBox;
    QLineEdit* Player1Edit;
    QLineEdit* Player2Edit;
    QLineEdit* Player3Edit;
};

class TGameDlgStart : public TStudyDlgStart {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2110;

    explicit TGameDlgStart(const TGameContext& context, QWidget* parent = nullptr);
    void OKBtnClick() override;

    // The game started by the last successful OK (null before).
    TGameForm* Game() const { return m_game; }

private:
    TfrmGame* df;
    TGameContext m_gameContext;
    TGameForm* m_game = nullptr;
};

} // namespace sv
