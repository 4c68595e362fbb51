#pragma once
// "Generate Question Sets" (TSetsDlg_WF): material, collections, heading, number of sets,
// toss-ups and bonuses per set, difficulty and spreading rules, print options. It shows after
// every pause of half a second whether the selections suffice, and "Create" builds the sets
// (on a worker thread, with a progress window and Cancel when it takes longer than half a
// second), writes the document, records the history and offers to open the file.

#include "content/MarkedText.h"
#include "print/SetsMaker.h"
#include "print/gui/PrintContext.h"
#include "shell/CloseNotice.h"
#include "user/History.h"

#include <QString>
#include <QWidget>

#include <exception>
#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QTabWidget;
class QThread;
class QTimer;

namespace sv {

class TCheckListCombo;
class TRandom;
class TSpinEdit;
class TfrmCollections;
class TfrmMaterialSelection;

// The first page: material, targeting, collections, heading, sets and toss-ups.
class TfrmSets1 : public QWidget {
    Q_OBJECT
public:
    TfrmSets1(const TPrintContext& context, QWidget* parent = nullptr);

    // Refills the targeted list from the checked material items and switches targeting off.
    void RebuildTargetedList();
    // Material item index of each targeted list item.
    const std::vector<int>& TargetedItems() const { return m_targetedItems; }

    // The person's material, collections and counts; no material or no collections chosen
    // yet means the whole portion and every collection.
    void LoadFromUser(const TUser& user);
    // The material and the collections into the person's record.
    void SaveToUser(TUser& user) const;
    // The page's part of the choices: material, targeting, collections, heading, the number
    // of sets and of toss-ups per set.
    void FillChoices(TSetsChoices& c) const;
    int TossUps() const;
    QString HeadingText() const;

Q_SIGNALS:
    // Anything that changes the adequacy: material, targeting, collections, "Sets", toss-ups.
    void Changed();

private:
    TfrmMaterialSelection* Material;
    QCheckBox* targetSpecificCheckBox;
    QLabel* targetedLabel;
    TCheckListCombo* targetedCheckList;
    TSpinEdit* PercentTargetedSpin;
    QPushButton* selectAllTargetedBtn;
    QPushButton* clearAllTargetedBtn;
    TfrmCollections* Collections;
    QLineEdit* Heading;
    TSpinEdit* PrimarySpin;
    TSpinEdit* ReplacementSpin;

    // The parts of the page, each made by its own function, and the signals that tell of a change.
    QWidget* MakeMaterialBox(QLabel* percentLabel);
    QWidget* MakeCollectionsBox();
    QGridLayout* MakeCountsGrid();
    void ConnectChanges();
    void NameControls();
    void EnableTargeting(bool on);
    std::vector<int> m_targetedItems;
};

class TSetsDlg_WF : public QWidget {
    Q_OBJECT
public:
    explicit TSetsDlg_WF(const TPrintContext& context, QWidget* parent = nullptr);
    ~TSetsDlg_WF() override;

    // The dialog's choices as they stand.
    TSetsChoices Choices() const;
    int QuestionsPerSet() const;
    // The adequacy check the timer runs.
    void CheckAdequacyNow();
    void GenerateBtnClick();
    void ResetAdvanced();
    void ResetSectoring();
    // True while a build runs on its worker thread.
    bool Building() const { return m_thread != nullptr; }
    const THistory& History() const { return m_history; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TfrmSets1* Frame;
    QTabWidget* Pages;
    QWidget* AdvancedSectoringPage;
    TSpinEdit* Bonus20Spin;
    TSpinEdit* Bonus30Spin;
    TSpinEdit* Bonus40Spin;
    QComboBox* DifficultyCB;
    QCheckBox* highlightKeywords;
    TSpinEdit* highlightKeywordsSpin;
    QCheckBox* FavorDuplicatesCheckBox;
    QCheckBox* underlinePrejumps;
    QCheckBox* useColorCB;
    QCheckBox* useHistoryCB;
    QCheckBox* updateHistoryCB;
    QCheckBox* UseTwoColumns;
    QCheckBox* AdvancedSectoring;
    QPushButton* ResetBtn;
    QCheckBox* distVERSE;
    QCheckBox* distQUESTIONS;
    QCheckBox* distCHAPTER;
    QCheckBox* distSECTION;
    QPushButton* ResetBtn2;
    std::array<QLabel*, 4> NeedLabels{};
    std::array<QLabel*, 4> HaveLabels{};
    QLabel* TotalNeededLabel;
    QPlainTextEdit* summaryMemo;
    QPushButton* GenerateBtn;
    QPushButton* CancelBtn;
    QPushButton* helpBtn;
    QTimer* AdequacyTimer;

    QWidget* MakeAdvancedPage();
    QWidget* MakeSectoringPage();
    QWidget* MakeAvailableBox();
    void LoadFromUser();
    void StoreToUser(const TSetsChoices& c);
    void Restart();
    void BuildFinished();
    void WriteDocument(const TSetsChoices& c, const TSetsOfQs& sets);
    void ShowAdvancedSectoring(bool on);
    void NameControls();

    TPrintContext m_context;
    THistory m_history;
    bool m_ready = false;
    TCloseNotice m_commandsOnClose;
    std::unique_ptr<TRandom> m_ownRandom;
    // The build in progress.
    QThread* m_thread = nullptr;
    std::unique_ptr<TBuildProgress> m_progress;
    std::unique_ptr<TSetsOfQs> m_built;
    std::exception_ptr m_buildError;
    TSetsChoices m_building;
    QProgressDialog* m_progressDlg = nullptr;
    QTimer* m_progressTimer = nullptr;
};

} // namespace sv
