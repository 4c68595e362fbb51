#include "print/gui/ListsDlg.h"

#include "common/Random.h"
#include "common/Utf8Text.h"
#include "content/Questions.h"
#include "material/gui/SelectionFrames.h"
#include "print/RtfWriter.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/CheckListCombo.h"
#include "widgets/DialogKeys.h"
#include "widgets/ObjectNames.h"
#include "widgets/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>

namespace sv {

namespace {

TSpinEdit* Spin(int lo, int hi, int step, QWidget* parent)
{
    auto* s = new TSpinEdit(lo, hi, parent);
    s->setSingleStep(step);
    return s;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets)
{
    auto* l = new QHBoxLayout;
    for (QWidget* w : widgets)
        l->addWidget(w);
    l->addStretch();
    return l;
}

} // namespace

TListsDlg::TListsDlg(const TPrintContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_commandsOnClose(context.CommandsOn)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8("Generate Lists"));
    setProperty("helpContext", 2080);
    auto* pages = new QTabWidget(this);
    SetAccessibleName(pages, FromUtf8("Pages of the list options"));
    pages->addTab(MakeSelectionPage(), FromUtf8("Selection"));
    pages->addTab(MakeOptionsPage(), FromUtf8("List Options"));
    GenerateBtn = new QPushButton(FromUtf8("Create"), this);
    CancelBtn = new QPushButton(FromUtf8("Cancel"), this);
    helpBtn = new QPushButton(FromUtf8("Help"), this);
    GenerateBtn->setDefault(true);
    connect(GenerateBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { GenerateBtnClick(); }, m_context.Messages); });
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(helpBtn, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(2080);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GenerateBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(helpBtn);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(pages);
    lay->addLayout(buttons);
    NameControls();
    LoadFromUser();
    UpdateEnabling();
}

void TListsDlg::NameControls()
{
    SetObjectNames({{Material, "material"},
                    {Collections, "collections"},
                    {Types, "types"},
                    {AllAvailableCB, "allAvailable"},
                    {NoMoreThanCB, "noMoreThan"},
                    {NoMoreThanSpin, "noMoreThanCount"},
                    {PercentCB, "percent"},
                    {PercentSpin, "percentValue"},
                    {DifficultyCB, "byDifficulty"},
                    {DifficultyCombo, "difficulty"},
                    {DifficultyPercentCB, "bestPercent"},
                    {DifficultyPercentSpin, "bestPercentValue"},
                    {DifficultyTotalCB, "bestNumber"},
                    {DifficultyTotalSpin, "bestNumberCount"},
                    {OnlyDuplicates, "onlyDuplicates"},
                    {IncludeReference, "includeReference"},
                    {IncludeQuestionType, "includeQuestionType"},
                    {UnderlinePrejumps, "underlinePrejumps"},
                    {highlightKeywords, "highlightKeywords"},
                    {highlightKeywordsSpin, "keywordLimit"},
                    {useColorCB, "useColour"},
                    {PrejumpList, "prejumpList"},
                    {MinPrejumpSpin, "prejumpMinimum"},
                    {PrejumpListWordsRB, "prejumpWords"},
                    {PrejumpListCharsRB, "prejumpLetters"},
                    {SortByReference, "sortByReference"},
                    {SortByWords, "sortAlphabetically"},
                    {GenerateBtn, "createButton"},
                    {CancelBtn, "cancelButton"},
                    {helpBtn, "helpButton"}});
}

QWidget* TListsDlg::MakeSelectionPage()
{
    auto* page = new QWidget(this);
    Material = new TfrmMaterialSelection(*m_context.Books, false, page);
    Collections = new TfrmCollections(*m_context.Questions, m_context.Messages, page);
    Types = new TfrmQuestionTypes(m_context.Questions->UsesSituation(), page);

    auto* sizeBox = new QGroupBox(FromUtf8("Number of questions"), page);
    AllAvailableCB = new QRadioButton(FromUtf8("All available"), sizeBox);
    NoMoreThanCB = new QRadioButton(FromUtf8("No more than"), sizeBox);
    NoMoreThanSpin = Spin(1, 9999, 50, sizeBox);
    SetAccessibleName(NoMoreThanSpin, FromUtf8("No more than this number of questions"));
    PercentCB = new QRadioButton(sizeBox);
    SetAccessibleName(PercentCB, FromUtf8("Percent of available questions"));
    PercentSpin = Spin(5, 100, 5, sizeBox);
    SetAccessibleName(PercentSpin, FromUtf8("Percent of available questions"));
    DifficultyCB = new QRadioButton(FromUtf8("Select by difficulty of question and answer"), sizeBox);
    DifficultyCombo = new QComboBox(sizeBox);
    SetAccessibleName(DifficultyCombo, FromUtf8("Difficulty"));
    for (int d = 0; d < DifficultyCount; ++d)
        DifficultyCombo->addItem(FromUtf8(DifficultyName(static_cast<TDifficulty>(d))));
    DifficultyPercentCB = new QRadioButton(FromUtf8("Best"), sizeBox);
    DifficultyPercentSpin = Spin(5, 100, 5, sizeBox);
    SetAccessibleName(DifficultyPercentSpin, FromUtf8("Best percent by difficulty"));
    DifficultyTotalCB = new QRadioButton(FromUtf8("Best"), sizeBox);
    DifficultyTotalSpin = Spin(1, 9999, 50, sizeBox);
    SetAccessibleName(DifficultyTotalSpin, FromUtf8("Best number of questions by difficulty"));
    auto* sizeGroup = new QButtonGroup(sizeBox);
    for (QRadioButton* rb : {AllAvailableCB, NoMoreThanCB, PercentCB, DifficultyCB})
        sizeGroup->addButton(rb);
    auto* bestGroup = new QButtonGroup(sizeBox);
    bestGroup->addButton(DifficultyPercentCB);
    bestGroup->addButton(DifficultyTotalCB);

    auto* sl = new QVBoxLayout(sizeBox);
    sl->addLayout(Row({AllAvailableCB}));
    sl->addLayout(Row({NoMoreThanCB, NoMoreThanSpin, new QLabel(FromUtf8("questions"), sizeBox)}));
    sl->addLayout(Row({PercentCB, PercentSpin, new QLabel(FromUtf8("percent of available questions"), sizeBox)}));
    sl->addLayout(Row({DifficultyCB}));
    auto* best = new QGridLayout;
    best->setContentsMargins(24, 0, 0, 0);
    best->addWidget(DifficultyCombo, 0, 0, 1, 3);
    best->addWidget(DifficultyPercentCB, 1, 0);
    best->addWidget(DifficultyPercentSpin, 1, 1);
    best->addWidget(new QLabel(FromUtf8("percent"), sizeBox), 1, 2);
    best->addWidget(DifficultyTotalCB, 2, 0);
    best->addWidget(DifficultyTotalSpin, 2, 1);
    best->addWidget(new QLabel(FromUtf8("questions"), sizeBox), 2, 2);
    best->setColumnStretch(3, 1);
    sl->addLayout(best);

    auto group = [page](const char* caption, QWidget* w) {
        auto* box = new QGroupBox(FromUtf8(caption), page);
        auto* l = new QVBoxLayout(box);
        l->setContentsMargins(6, 4, 6, 4);
        l->addWidget(w);
        return box;
    };
    auto* lay = new QGridLayout(page);
    lay->addWidget(group("Material selection", Material), 0, 0);
    lay->addWidget(group("Collections to use", Collections), 1, 0);
    lay->addWidget(group("Question types", Types), 2, 0);
    lay->addWidget(sizeBox, 0, 1, 3, 1);
    lay->setRowStretch(3, 1);

    for (QRadioButton* rb :
         {AllAvailableCB, NoMoreThanCB, PercentCB, DifficultyCB, DifficultyPercentCB, DifficultyTotalCB})
        connect(rb, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    return page;
}

QWidget* TListsDlg::MakeOptionsPage()
{
    auto* page = new QWidget(this);
    OnlyDuplicates = new QCheckBox(FromUtf8("Only include duplicate questions (in multiple collections)"), page);
    IncludeReference = new QCheckBox(FromUtf8("Include reference at the end of each question"), page);
    IncludeQuestionType = new QCheckBox(FromUtf8("Include symbol signifying question type"), page);
    UnderlinePrejumps = new QCheckBox(FromUtf8("Underline prejump words"), page);
    highlightKeywords = new QCheckBox(FromUtf8("Highlight keywords used"), page);
    highlightKeywordsSpin = Spin(1, 9, 1, page);
    SetAccessibleName(highlightKeywordsSpin, FromUtf8("Highlight keywords used this many times or less"));
    useColorCB = new QCheckBox(FromUtf8("Use color for keywords"), page);
    PrejumpList = new QCheckBox(FromUtf8("Prejump list with minimum of"), page);
    MinPrejumpSpin = Spin(0, 99, 1, page);
    SetAccessibleName(MinPrejumpSpin, FromUtf8("Minimum prejump length"));
    PrejumpListWordsRB = new QRadioButton(FromUtf8("words"), page);
    PrejumpListCharsRB = new QRadioButton(FromUtf8("letters"), page);
    auto* prejumpGroup = new QButtonGroup(page);
    prejumpGroup->addButton(PrejumpListWordsRB);
    prejumpGroup->addButton(PrejumpListCharsRB);
    auto* orderBox = new QGroupBox(FromUtf8("Order of questions in list"), page);
    SortByReference = new QRadioButton(FromUtf8("By reference"), orderBox);
    SortByWords = new QRadioButton(FromUtf8("Alphabetical"), orderBox);
    auto* ol = new QHBoxLayout(orderBox);
    ol->addWidget(SortByReference);
    ol->addWidget(SortByWords);
    ol->addStretch();

    auto* lay = new QVBoxLayout(page);
    for (QCheckBox* cb : {OnlyDuplicates, IncludeReference, IncludeQuestionType, UnderlinePrejumps})
        lay->addWidget(cb);
    lay->addLayout(Row({highlightKeywords, highlightKeywordsSpin, new QLabel(FromUtf8("times or less"), page)}));
    auto* colour = Row({useColorCB});
    colour->insertSpacing(0, 20);
    lay->addLayout(colour);
    lay->addLayout(Row({PrejumpList, MinPrejumpSpin, PrejumpListWordsRB, PrejumpListCharsRB}));
    lay->addWidget(orderBox);
    lay->addStretch();
    connect(highlightKeywords, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(PrejumpList, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    return page;
}

void TListsDlg::UpdateEnabling()
{
    NoMoreThanSpin->setEnabled(NoMoreThanCB->isChecked());
    PercentSpin->setEnabled(PercentCB->isChecked());
    const bool byDifficulty = DifficultyCB->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{DifficultyCombo, DifficultyPercentCB, DifficultyTotalCB})
        w->setEnabled(byDifficulty);
    DifficultyPercentSpin->setEnabled(byDifficulty && DifficultyPercentCB->isChecked());
    DifficultyTotalSpin->setEnabled(byDifficulty && DifficultyTotalCB->isChecked());
    highlightKeywordsSpin->setEnabled(highlightKeywords->isChecked());
    useColorCB->setEnabled(highlightKeywords->isChecked());
    const bool prejump = PrejumpList->isChecked();
    MinPrejumpSpin->setEnabled(prejump);
    PrejumpListWordsRB->setEnabled(prejump);
    PrejumpListCharsRB->setEnabled(prejump);
}

void TListsDlg::LoadFromUser()
{
    const TUser& u = *m_context.User;
    const TUserOptions& o = u.Options;
    Material->LoadFromUser(u);
    Collections->LoadFromUser(u);
    Types->LoadFromUser(u);
    if (o.ListNoMoreThan)
        NoMoreThanCB->setChecked(true);
    else if (o.ListPercent)
        PercentCB->setChecked(true);
    else if (o.ListByDifficulty)
        DifficultyCB->setChecked(true);
    else
        AllAvailableCB->setChecked(true);
    NoMoreThanSpin->setValue(o.ListNoMoreThanValue);
    PercentSpin->setValue(o.ListPercentValue);
    DifficultyCombo->setCurrentIndex(std::clamp<int>(o.ListDifficulty, 0, DifficultyCount - 1));
    (o.ListBestNumber ? DifficultyTotalCB : DifficultyPercentCB)->setChecked(true);
    DifficultyPercentSpin->setValue(o.ListBestPercentValue);
    DifficultyTotalSpin->setValue(o.ListBestNumberValue);
    OnlyDuplicates->setChecked(o.ListOnlyDuplicates != 0);
    IncludeReference->setChecked(o.ListIncludeReference != 0);
    IncludeQuestionType->setChecked(o.ListIncludeQuestionType != 0);
    UnderlinePrejumps->setChecked(o.ListUnderlinePrejumps != 0);
    highlightKeywords->setChecked(o.HighlightKeywords != 0);
    highlightKeywordsSpin->setValue(o.KeywordLimit);
    useColorCB->setChecked(o.UseColor != 0);
    PrejumpList->setChecked(o.ListPrejumpList != 0);
    MinPrejumpSpin->setValue(o.ListPrejumpMinimum);
    (o.ListPrejumpInLetters ? PrejumpListCharsRB : PrejumpListWordsRB)->setChecked(true);
    (o.ListSortByWords ? SortByWords : SortByReference)->setChecked(true);
}

void TListsDlg::StoreToUser()
{
    TUser& u = *m_context.User;
    TUserOptions& o = u.Options;
    Material->SaveToUser(u);
    Collections->SaveToUser(u);
    Types->SaveToUser(u);
    o.ListAllAvailable = AllAvailableCB->isChecked() ? 1 : 0;
    o.ListNoMoreThan = NoMoreThanCB->isChecked() ? 1 : 0;
    o.ListPercent = PercentCB->isChecked() ? 1 : 0;
    o.ListByDifficulty = DifficultyCB->isChecked() ? 1 : 0;
    o.ListNoMoreThanValue = NoMoreThanSpin->value();
    o.ListPercentValue = PercentSpin->value();
    o.ListDifficulty = DifficultyCombo->currentIndex();
    o.ListBestPercent = DifficultyPercentCB->isChecked() ? 1 : 0;
    o.ListBestNumber = DifficultyTotalCB->isChecked() ? 1 : 0;
    o.ListBestPercentValue = DifficultyPercentSpin->value();
    o.ListBestNumberValue = DifficultyTotalSpin->value();
    o.ListOnlyDuplicates = OnlyDuplicates->isChecked() ? 1 : 0;
    o.ListIncludeReference = IncludeReference->isChecked() ? 1 : 0;
    o.ListIncludeQuestionType = IncludeQuestionType->isChecked() ? 1 : 0;
    o.ListUnderlinePrejumps = UnderlinePrejumps->isChecked() ? 1 : 0;
    o.HighlightKeywords = highlightKeywords->isChecked() ? 1 : 0;
    o.KeywordLimit = highlightKeywordsSpin->value();
    o.UseColor = useColorCB->isChecked() ? 1 : 0;
    o.ListPrejumpList = PrejumpList->isChecked() ? 1 : 0;
    o.ListPrejumpMinimum = MinPrejumpSpin->value();
    o.ListPrejumpInWords = PrejumpListWordsRB->isChecked() ? 1 : 0;
    o.ListPrejumpInLetters = PrejumpListCharsRB->isChecked() ? 1 : 0;
    o.ListSortByReference = SortByReference->isChecked() ? 1 : 0;
    o.ListSortByWords = SortByWords->isChecked() ? 1 : 0;
}

TListOptions TListsDlg::Options() const
{
    TListOptions o;
    o.PrejumpList = PrejumpList->isChecked();
    o.OnlyDuplicates = OnlyDuplicates->isChecked();
    o.IncludeReference = IncludeReference->isChecked();
    o.UnderlinePrejumps = UnderlinePrejumps->isChecked();
    o.ShowCode = IncludeQuestionType->isChecked();
    o.MinimumInWords = PrejumpListWordsRB->isChecked();
    o.HighlightKeywords = highlightKeywords->isChecked();
    o.UseColour = useColorCB->isEnabled() && useColorCB->isChecked();
    o.Order = SortByReference->isChecked() ? TListOrder::ByReference : TListOrder::Alphabetical;
    o.Material = Material->VerseTable();
    o.Collections = Collections->Chosen();
    o.Types = Types->ChosenTypes();
    o.PrejumpMinimum = MinPrejumpSpin->value();
    o.KeywordLimit = highlightKeywordsSpin->value();
    InitKeywordColours(o.KeywordColours, o.HighlightKeywords ? o.KeywordLimit : 0);
    o.Difficulty = TDifficulty::Mixed;
    if (NoMoreThanCB->isChecked()) {
        o.Size = TListSize::NoMoreThan;
        o.SizeValue = NoMoreThanSpin->value();
    } else if (PercentCB->isChecked()) {
        o.Size = TListSize::Percent;
        o.SizeValue = PercentSpin->value();
    } else if (DifficultyCB->isChecked()) {
        o.Difficulty = static_cast<TDifficulty>(std::max(0, DifficultyCombo->currentIndex()));
        if (DifficultyTotalCB->isChecked()) {
            o.Size = TListSize::BestNumber;
            o.SizeValue = DifficultyTotalSpin->value();
        } else {
            o.Size = TListSize::BestPercent;
            o.SizeValue = DifficultyPercentSpin->value();
        }
    } else {
        o.Size = TListSize::AllAvailable;
        o.SizeValue = INT_MAX;
    }
    return o;
}

void TListsDlg::Warn(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Warning(FromUtf8(text));
}

void TListsDlg::GenerateBtnClick()
{
    int collections = 0;
    Collections->Chosen(&collections);
    if (collections == 0) {
        Warn("You must choose at least one collection of questions\rfrom which to select questions.");
        return;
    }
    if (!Types->AnyTypeChecked()) {
        Warn("You must choose at least one type of question.");
        return;
    }
    TListOptions options = Options();
    if (!m_context.Questions->AnyChosenTypeInMaterial(options.Material, options.Collections, options.Types)) {
        Warn("In the question collections and chapters chosen,\rthere are no questions of the type selected.\r"
             "Please choose additional types, books, or chapters.");
        return;
    }
    // Cancel in the save dialog keeps the window and its choices.
    const TSaveChoice file = AskDocumentFile(m_context, windowTitle(), FromUtf8("MYLIST"));
    if (file.Path.isEmpty())
        return;
    StoreToUser();
    options.FileName = file.Path.toStdString();
    options.Rtf = file.Rtf;
    options.TextEncoding = m_context.TextEncoding;
    // The window waits for the job: it closes when the list was written and is there again,
    // with its choices, when the job failed or was cancelled.
    TProgressForm* job = StartListJob(m_context, std::move(options));
    setEnabled(false);
    connect(job, &TProgressForm::JobEnded, this, [this, job] {
        if (job->Written())
            close();
        else
            setEnabled(true);
    });
}

void TListsDlg::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_commandsOnClose.Give();
}

void TListsDlg::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKeys(event, GenerateBtn, CancelBtn))
        QWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------
// The progress window

TProgressForm::TProgressForm(const TPrintContext& context, std::unique_ptr<TPrintList> job,
                             std::unique_ptr<IRandom> ownRandom, QWidget* parent)
    : QWidget(parent), m_context(context), m_ownRandom(std::move(ownRandom)), m_job(std::move(job))
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QString path = QString::fromStdString(m_job->Options().FileName);
    m_caption = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).left(100);
    setWindowTitle(m_caption);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    CancelBtn = new QPushButton(FromUtf8("Cancel"), this);
    HintLabel = new QLabel(this);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(HintLabel);
    auto* row = new QHBoxLayout;
    row->addWidget(ProgressBar, 1);
    row->addWidget(CancelBtn);
    lay->addLayout(row);
    const QString hint = FromUtf8("Creating list ") + m_caption + FromUtf8(": 0 percent done.");
    setToolTip(hint);
    HintLabel->setText(hint);
    setMinimumWidth(320);
    connect(CancelBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { CancelBtnClick(); }, m_context.Messages); });
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
    SetObjectNames(
        {{HintLabel, "hint"}, {ProgressBar, "progress"}, {CancelBtn, "cancelButton"}, {Timer1, "pollTimer"}});

    TPrintList* j = m_job.get();
    m_thread = QThread::create([this, j] {
        try {
            m_outcome = j->Execute();
        } catch (const std::exception&) {
            m_error = std::current_exception();
        }
    });
    connect(m_thread, &QThread::finished, this, [this] { Guarded([this] { EndJob(); }, m_context.Messages); });
    m_thread->start(QThread::LowPriority);
}

TProgressForm::~TProgressForm()
{
    if (m_thread) {
        m_job->Cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void TProgressForm::Timer1Timer() { ShowPercent(m_job->ProgressPercent()); }

void TProgressForm::ShowPercent(int percent)
{
    ProgressBar->setValue(percent);
    const QString hint =
        FromUtf8("Creating list ") + m_caption + FromUtf8(": ") + QString::number(percent) + FromUtf8(" percent done.");
    setToolTip(hint);
    HintLabel->setText(hint);
}

void TProgressForm::StopAndWait()
{
    if (!m_thread)
        return;
    m_job->Cancel();
    m_thread->wait();
}

// On the main thread once the job's thread has ended: the error or the offer to open, then
// the window closes.
void TProgressForm::EndJob()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_thread) {
        m_thread->wait();
        m_thread->disconnect(this);
        m_thread->deleteLater();
        m_thread = nullptr;
    }
    Timer1->stop();
    if (m_error) {
        ReportError(m_error, m_context.Messages);
    } else if (m_outcome == TPrintList::TOutcome::Written) {
        m_written = true;
        ShowPercent(100);
        OfferToOpen(m_context, TDocumentKind::QuestionList, QString::fromStdString(m_job->Options().FileName));
    }
    Q_EMIT JobEnded();
    close();
}

void TProgressForm::CancelBtnClick()
{
    StopAndWait();
    EndJob();
}

void TProgressForm::closeEvent(QCloseEvent* event)
{
    if (!m_ended) {
        const bool yes = !m_context.Messages
                         || m_context.Messages->Confirm(FromUtf8("Are you sure you want to cancel generating the list ")
                                                        + m_caption + FromUtf8("?"));
        if (!yes) {
            event->ignore();
            return;
        }
        StopAndWait();
        EndJob(); // closes again, now finished
        event->accept();
        return;
    }
    event->accept();
}

TProgressForm* StartListJob(const TPrintContext& context, TListOptions options)
{
    std::unique_ptr<IRandom> own;
    if (!context.Random)
        own = std::make_unique<TRandom>();
    IRandom& random = context.Random ? *context.Random : *own;
    auto job = std::make_unique<TPrintList>(*context.Questions, std::move(options), random);
    auto* form = new TProgressForm(context, std::move(job), std::move(own));
    if (context.OpenChild)
        context.OpenChild(form);
    else
        form->show();
    return form;
}

} // namespace sv
