#pragma once
// "Generate Lists" (TListsDlg): a list of questions with their answers, or a prejump list of
// their opening words, for the chosen material, collections and types, optionally thinned,
// in reference or alphabetical order. "Create" asks for the file, starts the list job on a
// worker thread with a progress window (TProgressForm) and closes.

#include "print/PrintList.h"
#include "print/gui/PrintContext.h"
#include "shell/CloseNotice.h"

#include <QWidget>

#include <exception>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;
class QTimer;

namespace sv {

class TRandom;
class TSpinEdit;
class TfrmCollections;
class TfrmMaterialSelection;
class TfrmQuestionTypes;

class TListsDlg : public QWidget {
    Q_OBJECT
public:
    explicit TListsDlg(const TPrintContext& context, QWidget* parent = nullptr);

    // The list options of the dialog's choices (file name and format left empty).
    TListOptions Options() const;
    void GenerateBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TfrmMaterialSelection* Material;
    TfrmCollections* Collections;
    TfrmQuestionTypes* Types;
    QRadioButton* AllAvailableCB;
    QRadioButton* NoMoreThanCB;
    TSpinEdit* NoMoreThanSpin;
    QRadioButton* PercentCB;
    TSpinEdit* PercentSpin;
    QRadioButton* DifficultyCB;
    QComboBox* DifficultyCombo;
    QRadioButton* DifficultyPercentCB;
    TSpinEdit* DifficultyPercentSpin;
    QRadioButton* DifficultyTotalCB;
    TSpinEdit* DifficultyTotalSpin;
    QCheckBox* OnlyDuplicates;
    QCheckBox* IncludeReference;
    QCheckBox* IncludeQuestionType;
    QCheckBox* UnderlinePrejumps;
    QCheckBox* highlightKeywords;
    TSpinEdit* highlightKeywordsSpin;
    QCheckBox* useColorCB;
    QCheckBox* PrejumpList;
    TSpinEdit* MinPrejumpSpin;
    QRadioButton* PrejumpListWordsRB;
    QRadioButton* PrejumpListCharsRB;
    QRadioButton* SortByReference;
    QRadioButton* SortByWords;
    QPushButton* GenerateBtn;
    QPushButton* CancelBtn;
    QPushButton* helpBtn;

    QWidget* MakeSelectionPage();
    QWidget* MakeOptionsPage();
    void LoadFromUser();
    void StoreToUser();
    void UpdateEnabling();
    void NameControls();
    void Warn(const char* text);

    TPrintContext m_context;
    TCloseNotice m_commandsOnClose;
};

// The progress window of one list job: the bar (polled every second), Cancel, and the
// question before a close that would cancel the job. It owns the job and its thread.
class TProgressForm : public QWidget {
    Q_OBJECT
public:
    // Starts the job on its own thread; the random source must outlive the window.
    TProgressForm(const TPrintContext& context, std::unique_ptr<TPrintList> job, std::unique_ptr<IRandom> ownRandom,
                  QWidget* parent = nullptr);
    ~TProgressForm() override;

    void CancelBtnClick();
    void Timer1Timer();
    const QString& Caption() const { return m_caption; }
    bool Finished() const { return m_ended; }
    // The job ended with its list written whole (no error, not cancelled).
    bool Written() const { return m_written; }

Q_SIGNALS:
    // The job has ended (written, cancelled or failed) and the window is closing.
    void JobEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* HintLabel; // the hint, also shown in the window
    QProgressBar* ProgressBar;
    QPushButton* CancelBtn;
    QTimer* Timer1;

    void StopAndWait();
    void EndJob();
    void ShowPercent(int percent); // the bar and the hint

    TPrintContext m_context;
    std::unique_ptr<IRandom> m_ownRandom;
    std::unique_ptr<TPrintList> m_job;
    QThread* m_thread = nullptr;
    QString m_caption;
    TPrintList::TOutcome m_outcome = TPrintList::TOutcome::Cancelled;
    std::exception_ptr m_error; // what ended the job's thread, if anything
    bool m_ended = false;
    bool m_written = false;
};

// Starts a list job and its progress window (shown through the context's OpenChild).
TProgressForm* StartListJob(const TPrintContext& context, TListOptions options);

} // namespace sv
