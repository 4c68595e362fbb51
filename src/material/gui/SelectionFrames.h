#pragma once
// The reusable selection frames of the study set-up (and later the printing and goal-task)
// windows: material, collections, question types, number of questions, the practice modes,
// and the three study pages built from them. Each loads from the user record when its
// dialog opens and saves into it when the dialog is confirmed; the pages also exchange their
// choices as plain values (StudyChoices.h) for goal tasks.

#include "material/MaterialChoices.h"
#include "material/MaterialTables.h"
#include "user/MaterialSelections.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace sv {

class IMessageService;
class TBooks;
class TCheckListCombo;
class TQuestions;
class TSpinEdit;
class TUser;

// Fills a material list with the items of a kind, checked as flags says (item i as entry
// i + 1), with the kind's item noun and drop-down width; the summary waits until the end.
void FillMaterialList(const TBooks& books, TSelectionKind kind, std::span<const std::uint8_t> flags,
                      TCheckListCombo& list);
// Drop-down width of a kind's material list.
int MaterialDropWidth(TSelectionKind kind);
// Checks or unchecks every item (one summary update) and focuses the list.
void SelectAllItems(TCheckListCombo& list, bool on);

// Material by chapter, verse, section or memory verse (TfrmMaterialSelection); with
// memoryStudy the frame of memory-verse study (TfrmMemMaterialSelection: no verse mode).
class TfrmMaterialSelection : public QWidget {
    Q_OBJECT
public:
    TfrmMaterialSelection(const TBooks& books, bool memoryStudy, QWidget* parent = nullptr);

    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    void LoadFromTask(const TMaterialChoice& choice);
    TMaterialChoice Choice() const;

    TSelectionKind Kind() const;
    bool AnyChecked() const;
    TVerseSelection VerseTable() const;
    TMemoryVerseSelection MemoryTable() const;
    // Switches the mode as the radio buttons do.
    void SwitchTo(TSelectionKind kind);
    // The list of the mode shown, to read.
    const TCheckListCombo& List() const { return *checkList; }
    // Checks every item of the list.
    void CheckAll();

Q_SIGNALS:
    // The person changed the material: an item, "select all", "clear all" or another mode.
    void Changed();

private:
    QRadioButton* byChaptersRB;
    QRadioButton* byVersesRB; // null in the memory-verse frame
    QRadioButton* bySectionsRB;
    QRadioButton* byMemoryRB;
    TCheckListCombo* checkList;
    QPushButton* selectAllMaterialBtn;
    QPushButton* clearAllMaterialBtn;

    void NameControls();
    void SetRadio(TSelectionKind kind);
    void RadioToggled(TSelectionKind kind, bool on);

    const TBooks& m_books;
    bool m_memoryStudy;
    TMaterialSelections m_working;
    bool m_loading = false;
};

// Question collections (TfrmCollections).
class TfrmCollections : public QWidget {
    Q_OBJECT
public:
    TfrmCollections(const TQuestions& questions, IMessageService* messages, QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    // The chosen collections; count receives the number of checked items.
    TCollectionFlags Chosen(int* count = nullptr) const;
    // The required-collection check (runs after each change the person makes).
    void CheckRequired();
    // Checks every collection.
    void CheckAll();

Q_SIGNALS:
    // The person checked or unchecked a collection (after the required-collection check).
    void Changed();

private:
    TCheckListCombo* checkList;

    std::vector<TCollectionItem> Items() const;
    const TQuestions& m_questions;
    IMessageService* m_messages;
    std::vector<int> m_collectionOf; // item -> collection
    bool m_busy = false;
};

// Question types (TfrmQuestionTypes).
class TfrmQuestionTypes : public QWidget {
    Q_OBJECT
public:
    TfrmQuestionTypes(bool usesSituation, QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    TTypeFlags ChosenTypes() const;
    bool AnyTypeChecked() const;
    const std::vector<TTypeItem>& TypeItems() const { return m_items; }

private:
    TCheckListCombo* checkList;
    QPushButton* selectAllBtn;
    QPushButton* clearAllBtn;

    std::vector<TTypeItem> m_items;
};

// "All available" or "Limit to ..." (TfrmNumberOfQuestions).
class TfrmNumberOfQuestions : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNumberOfQuestions(QWidget* parent = nullptr);
    void Load(const TNumberChoice& c);
    TNumberChoice Choice() const;

private:
    QRadioButton* AllInRangeRB;
    QRadioButton* LimitRB;
    TSpinEdit* MaxNumberSpin;
};

// Mixed, Timed, Prejump with Text or Spoken (TfrmMixTimedPrejump).
class TfrmMixTimedPrejump : public QWidget {
    Q_OBJECT
public:
    TfrmMixTimedPrejump(bool speechAvailable, QWidget* parent = nullptr);
    void Load(const TModeChoice& c);
    TModeChoice Choice() const;

private:
    QCheckBox* MixedCheckBox;
    QCheckBox* TimedCheckBox;
    QCheckBox* PrejumpCheckBox;
    QRadioButton* prejumpText;
    QRadioButton* prejumpSpoken;

    void UpdateEnabling();
    bool m_speech;
};

// The question study page (TfrmQuestions).
class TfrmQuestions : public QWidget {
    Q_OBJECT
public:
    TfrmQuestions(const TBooks& books, const TQuestions& questions, IMessageService* messages, bool speechAvailable,
                  QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    void LoadFromTask(const TMaterialChoice& material, const TQuestionChoices& c);
    TQuestionChoices Choices() const;
    void LoadChoices(const TQuestionChoices& c);

    TMaterialChoice MaterialChoice() const;
    bool AnyMaterialChecked() const;
    TVerseSelection VerseTable() const;
    // The chosen collections; count receives the number of checked items.
    TCollectionFlags ChosenCollections(int* count = nullptr) const;
    TTypeFlags ChosenTypes() const;
    bool AnyTypeChecked() const;
    // Leaves out the collections and the question types (they are not part of a goal task).
    void HideCollectionsAndTypes();

private:
    TfrmMaterialSelection* Material;
    TfrmCollections* Collections;
    TfrmNumberOfQuestions* Number;
    TfrmQuestionTypes* Types;
    TfrmMixTimedPrejump* Modes;
    QCheckBox* KeywordCheckBox;
    TSpinEdit* KeywordTargetSpin;
    QCheckBox* UniquesCheckBox;
};

// The memory-verse study page (TfrmMemory).
class TfrmMemory : public QWidget {
    Q_OBJECT
public:
    TfrmMemory(const TBooks& books, bool speechAvailable, QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    void LoadFromTask(const TMaterialChoice& material, const TMemoryChoices& c);
    TMemoryChoices Choices() const;
    void LoadChoices(const TMemoryChoices& c);
    int VerseTypes() const;

    TMaterialChoice MaterialChoice() const;
    bool AnyMaterialChecked() const;
    TMemoryVerseSelection MemoryTable() const;

private:
    TfrmMaterialSelection* Material;
    TfrmNumberOfQuestions* Number;
    TfrmMixTimedPrejump* Modes;
    QCheckBox* KeywordsCheckBox;
    QCheckBox* TypeVerseCheckBox;
    QGroupBox* MemoryTypesRadioGroup;
    QRadioButton* MemoryTypes[3];
};

// The reference study page (TfrmAccTo).
class TfrmAccTo : public QWidget {
    Q_OBJECT
public:
    TfrmAccTo(const TBooks& books, bool speechAvailable, QWidget* parent = nullptr);
    void LoadFromUser(const TUser& user);
    void SaveToUser(TUser& user) const;
    void LoadFromTask(const TMaterialChoice& material, const TReferenceChoices& c);
    TReferenceChoices Choices() const;
    void LoadChoices(const TReferenceChoices& c);

    TMaterialChoice MaterialChoice() const;
    bool AnyMaterialChecked() const;
    TVerseSelection VerseTable() const;

private:
    TfrmMaterialSelection* Material;
    TfrmNumberOfQuestions* Number;
    TfrmMixTimedPrejump* Modes;
};

} // namespace sv
