#include "goals/GoalsCreateDlg.h"

#include "common/Utf8Text.h"
#include "goals/TaskChoices.h"
#include "shell/ErrorBoundary.h"
#include "study/Frames.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace sv {

namespace {

constexpr int IdRole = Qt::UserRole;
constexpr int KindRole = Qt::UserRole + 1;

// The list pictures of the three study kinds: a coloured disc with a letter.
QIcon KindIcon(TTaskKind kind)
{
    QColor colour;
    QChar letter;
    switch (kind) {
    case TTaskKind::Questions:
        colour = QColor(0x2E, 0x7D, 0x32);
        letter = QLatin1Char('Q');
        break;
    case TTaskKind::Memory:
        colour = QColor(0x15, 0x65, 0xC0);
        letter = QLatin1Char('M');
        break;
    case TTaskKind::AccordingTo:
        colour = QColor(0xC6, 0x28, 0x28);
        letter = QLatin1Char('A');
        break;
    default:
        return {};
    }
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(0, 0, 16, 16);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(letter));
    return QIcon(pm);
}

QDate DateOfDay(std::int32_t day) { return day > 0 ? QDate::fromJulianDay(day) : QDate(); }
std::int32_t DayOfDate(const QDate& d) { return d.isValid() ? static_cast<std::int32_t>(d.toJulianDay()) : 0; }

// Sorting by "Details" compares the text the person typed, ignoring case.
class TTodoItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

TGoalsCreateDlg::TGoalsCreateDlg(const TBooks& books, const TQuestions& questions, const TUser& user,
    IMessageService* messages, bool speechAvailable, TTasks& tasks, QDate today, QWidget* parent)
    : QWidget(parent), m_tasks(tasks), m_today(today), m_messages(messages)
{
    setWindowTitle(FromUtf8("Create or Edit Study Tasks"));
    setProperty("helpContext", HelpContext);

    PageControl = new QTabWidget(this);
    auto* tasksPage = new QWidget(PageControl);
    PageControl->addTab(tasksPage, FromUtf8("Tasks"));
    auto* goalsPage = new QTabWidget(PageControl);
    for (const char* tab : {"General information", "Target dates", "Skills desired", "Skill level"})
        goalsPage->addTab(new QWidget(goalsPage), FromUtf8(tab));
    PageControl->addTab(goalsPage, FromUtf8("Goals"));

    // The row of buttons that add a task.
    ButtonRow = new QWidget(tasksPage);
    auto* rowLay = new QGridLayout(ButtonRow);
    rowLay->setContentsMargins(0, 0, 0, 0);
    AddCaption = new QLabel(FromUtf8("Click icon to add task"), ButtonRow);
    rowLay->addWidget(AddCaption, 0, 0, 1, 6);
    auto addButton = [this, rowLay](const char* caption, TTaskKind kind, int column) {
        auto* b = new QPushButton(KindIcon(kind), FromUtf8(caption), ButtonRow);
        connect(b, &QPushButton::clicked, this, [this, kind] { Guarded([&] { Add(kind); }, m_messages); });
        rowLay->addWidget(b, 1, column);
        return b;
    };
    StudyQuestionsBtn = addButton("Study Questions", TTaskKind::Questions, 0);
    ReviewMemoryBtn = addButton("Review memory verses", TTaskKind::Memory, 1);
    StudyAccToBtn = addButton("Study according to's", TTaskKind::AccordingTo, 2);
    WordStudyBtn = addButton("Do word study", TTaskKind::WordStudy, 3);
    ReadScriptureBtn = addButton("Read scripture", TTaskKind::ReadScripture, 4);
    UserDefinedBtn = addButton("User-defined task", TTaskKind::UserDefined, 5);

    EditDetailsBtn = new QPushButton(FromUtf8("Edit Details"), tasksPage);
    DuplicateBtn = new QPushButton(FromUtf8("Duplicate"), tasksPage);
    DeleteBtn = new QPushButton(FromUtf8("Delete"), tasksPage);
    StartTaskBtn = new QPushButton(FromUtf8("Start task"), tasksPage);
    StartTaskBtn->setToolTip(FromUtf8("Open the study set-up with this task's choices"));
    // The buttons act through the error boundary.
    auto guarded = [this](void (TGoalsCreateDlg::*action)()) {
        return [this, action] { Guarded([&] { (this->*action)(); }, m_messages); };
    };
    connect(EditDetailsBtn, &QPushButton::clicked, this, guarded(&TGoalsCreateDlg::EditDetails));
    connect(DeleteBtn, &QPushButton::clicked, this, guarded(&TGoalsCreateDlg::Delete));
    connect(StartTaskBtn, &QPushButton::clicked, this, guarded(&TGoalsCreateDlg::StartTask));

    TodoList = new QTreeWidget(tasksPage);
    TodoList->setRootIsDecorated(false);
    TodoList->setHeaderLabels({FromUtf8("Task"), FromUtf8("Details"), FromUtf8("Target"), FromUtf8("Due"), FromUtf8("Complete")});
    TodoList->setSortingEnabled(true);
    TodoList->sortByColumn(Column(TColumn::Details), Qt::AscendingOrder);
    TodoList->header()->setSectionResizeMode(Column(TColumn::Details), QHeaderView::Stretch);
    TodoList->header()->setStretchLastSection(false);
    TodoList->setColumnWidth(Column(TColumn::Task), 120);
    connect(TodoList, &QTreeWidget::itemSelectionChanged, this, &TGoalsCreateDlg::UpdateButtons);
    connect(TodoList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_mode == TMode::Idle && TaskIdOf(TodoList->currentItem()) > 0)
            Guarded([this] { EditDetails(); }, m_messages);
    });

    // The "Details" panel: what the list shows of the task, and the task's study page.
    DetailsPanel = new QGroupBox(FromUtf8("Details"), tasksPage);
    DetailsEdit = new QLineEdit(DetailsPanel);
    DetailsEdit->setPlaceholderText(FromUtf8("What this task is for"));
    TargetEdit = new QDateEdit(DetailsPanel);
    DueEdit = new QDateEdit(DetailsPanel);
    for (QDateEdit* d : {TargetEdit, DueEdit}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(FromUtf8("yyyy-MM-dd"));
    }
    CompleteSpin = new QSpinBox(DetailsPanel);
    CompleteSpin->setRange(0, 100);
    CompleteSpin->setSuffix(FromUtf8(" %"));
    QuestionsFrame = new TfrmQuestions(books, questions, messages, speechAvailable, DetailsPanel);
    QuestionsFrame->LoadFromUser(user);
    // Collections and question types are not part of a task.
    QuestionsFrame->Collections->parentWidget()->hide();
    QuestionsFrame->Types->parentWidget()->hide();
    MemoryFrame = new TfrmMemory(books, speechAvailable, DetailsPanel);
    MemoryFrame->LoadFromUser(user);
    AccToFrame = new TfrmAccTo(books, speechAvailable, DetailsPanel);
    AccToFrame->LoadFromUser(user);
    RecordChangesBtn = new QPushButton(FromUtf8("Record Changes"), DetailsPanel);
    connect(RecordChangesBtn, &QPushButton::clicked, this, guarded(&TGoalsCreateDlg::RecordChanges));
    auto* dl = new QGridLayout(DetailsPanel);
    dl->addWidget(new QLabel(FromUtf8("Details"), DetailsPanel), 0, 0);
    dl->addWidget(DetailsEdit, 0, 1, 1, 5);
    dl->addWidget(new QLabel(FromUtf8("Target"), DetailsPanel), 1, 0);
    dl->addWidget(TargetEdit, 1, 1);
    dl->addWidget(new QLabel(FromUtf8("Due"), DetailsPanel), 1, 2);
    dl->addWidget(DueEdit, 1, 3);
    dl->addWidget(new QLabel(FromUtf8("Complete"), DetailsPanel), 1, 4);
    dl->addWidget(CompleteSpin, 1, 5);
    // The study page scrolls when the main window leaves too little room for it.
    auto* pages = new QWidget;
    auto* pagesLay = new QVBoxLayout(pages);
    pagesLay->setContentsMargins(0, 0, 0, 0);
    for (QWidget* f : {static_cast<QWidget*>(QuestionsFrame), static_cast<QWidget*>(MemoryFrame),
             static_cast<QWidget*>(AccToFrame)})
        pagesLay->addWidget(f);
    auto* scroll = new QScrollArea(DetailsPanel);
    scroll->setWidget(pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(160);
    dl->addWidget(scroll, 2, 0, 1, 6);
    dl->addWidget(RecordChangesBtn, 5, 5);
    dl->setColumnStretch(1, 1);
    dl->setColumnStretch(3, 1);

    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {EditDetailsBtn, DuplicateBtn, DeleteBtn, StartTaskBtn})
        listButtons->addWidget(b);
    listButtons->addStretch();
    auto* tl = new QVBoxLayout(tasksPage);
    tl->addWidget(ButtonRow);
    tl->addLayout(listButtons);
    tl->addWidget(TodoList, 1);
    tl->addWidget(DetailsPanel);

    OKBtn = new QPushButton(FromUtf8("OK"), this);
    HelpBtn = new QPushButton(FromUtf8("Help"), this);
    connect(OKBtn, &QPushButton::clicked, this, [this] { close(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (ShowHelp)
            ShowHelp(HelpContext);
    });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKBtn);
    bottom->addWidget(HelpBtn);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(PageControl, 1);
    lay->addLayout(bottom);

    FillList();
    ShowDetails(false);
    resize(720, 520);
}

int TGoalsCreateDlg::TaskIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(Column(TColumn::Task), IdRole).toInt() : 0;
}

QTreeWidgetItem* TGoalsCreateDlg::ItemOfTask(int id) const
{
    for (int i = 0; i < TodoList->topLevelItemCount(); ++i)
        if (TaskIdOf(TodoList->topLevelItem(i)) == id)
            return TodoList->topLevelItem(i);
    return nullptr;
}

void TGoalsCreateDlg::SelectTask(int id)
{
    if (QTreeWidgetItem* item = ItemOfTask(id))
        TodoList->setCurrentItem(item);
}

void TGoalsCreateDlg::FillList()
{
    TodoList->clear();
    for (int i = 1; i <= m_tasks.Count(); ++i)
        NewItem(m_tasks.At(i));
}

QTreeWidgetItem* TGoalsCreateDlg::NewItem(const TTaskDef& task)
{
    auto* item = new TTodoItem(TodoList);
    ShowItem(item, task);
    return item;
}

void TGoalsCreateDlg::ShowItem(QTreeWidgetItem* item, const TTaskDef& task)
{
    const bool sorting = TodoList->isSortingEnabled();
    TodoList->setSortingEnabled(false);
    item->setIcon(Column(TColumn::Task), KindIcon(task.Kind));
    item->setText(Column(TColumn::Task), FromUtf8(TaskSubject(task.Kind)));
    item->setData(Column(TColumn::Task), IdRole, task.Id);
    item->setData(Column(TColumn::Task), KindRole, static_cast<int>(task.Kind));
    item->setText(Column(TColumn::Details), QString::fromUtf8(task.Details));
    item->setText(Column(TColumn::Target), DateOfDay(task.TargetDay).toString(Qt::ISODate));
    item->setText(Column(TColumn::Due), DateOfDay(task.DueDay).toString(Qt::ISODate));
    item->setText(Column(TColumn::Complete), QString::number(task.Complete) + FromUtf8(" %"));
    TodoList->setSortingEnabled(sorting);
}

QWidget* TGoalsCreateDlg::FrameOf(TTaskKind kind) const
{
    switch (kind) {
    case TTaskKind::Questions:
        return QuestionsFrame;
    case TTaskKind::Memory:
        return MemoryFrame;
    case TTaskKind::AccordingTo:
        return AccToFrame;
    default:
        return nullptr;
    }
}

void TGoalsCreateDlg::LoadScratchIntoFrame()
{
    const TMaterialChoice material = MaterialOfTask(m_scratch);
    switch (m_scratch.Kind) {
    case TTaskKind::Questions:
        QuestionsFrame->LoadFromTask(material, QuestionChoicesOfTask(m_scratch));
        break;
    case TTaskKind::Memory:
        MemoryFrame->LoadFromTask(material, MemoryChoicesOfTask(m_scratch));
        break;
    case TTaskKind::AccordingTo:
        AccToFrame->LoadFromTask(material, ReferenceChoicesOfTask(m_scratch));
        break;
    default:
        break;
    }
    for (QWidget* f : {static_cast<QWidget*>(QuestionsFrame), static_cast<QWidget*>(MemoryFrame),
             static_cast<QWidget*>(AccToFrame)})
        f->setVisible(f == FrameOf(m_scratch.Kind));
    DetailsEdit->setText(QString::fromUtf8(m_scratch.Details));
    TargetEdit->setDate(DateOfDay(m_scratch.TargetDay).isValid() ? DateOfDay(m_scratch.TargetDay) : m_today);
    DueEdit->setDate(DateOfDay(m_scratch.DueDay).isValid() ? DateOfDay(m_scratch.DueDay) : m_today);
    CompleteSpin->setValue(m_scratch.Complete);
}

void TGoalsCreateDlg::ShowDetails(bool on)
{
    DetailsPanel->setVisible(on);
    ButtonRow->setVisible(!on);
    OKBtn->setEnabled(!on);
    UpdateButtons();
    // The child window grows to show the panel, as far as the main window's area allows.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (on && sub && sub->mdiArea()) {
        const QSize room = sub->mdiArea()->viewport()->size();
        const QSize want = QSize(std::max(sub->width(), sub->sizeHint().width()), room.height()).boundedTo(room);
        sub->resize(want);
        sub->move(std::max(0, room.width() - want.width() - 2), std::max(0, room.height() - want.height() - 2));
    }
}

void TGoalsCreateDlg::UpdateButtons()
{
    const int id = m_mode == TMode::Idle ? TaskIdOf(TodoList->currentItem()) : 0;
    const bool recorded = id > 0 && TodoList->currentItem()->isSelected() && m_tasks.Contains(id);
    EditDetailsBtn->setEnabled(recorded);
    DuplicateBtn->setEnabled(recorded);
    DeleteBtn->setEnabled(recorded);
    StartTaskBtn->setEnabled(recorded && IsStudyTask(m_tasks.Find(id).Kind));
}

void TGoalsCreateDlg::Add(TTaskKind kind)
{
    if (m_mode != TMode::Idle)
        return;
    m_mode = TMode::Adding;
    const int verseTypes = m_scratch.VerseTypes;
    m_scratch = TTaskDef{};
    m_scratch.Reset();
    m_scratch.VerseTypes = verseTypes;
    m_scratch.Kind = kind;
    m_scratch.TargetDay = m_scratch.DueDay = DayOfDate(m_today);
    m_edited = NewItem(m_scratch);
    TodoList->setCurrentItem(m_edited);
    LoadScratchIntoFrame();
    ShowDetails(true);
    DetailsEdit->setFocus();
}

void TGoalsCreateDlg::EditDetails()
{
    const int id = TaskIdOf(TodoList->currentItem());
    if (m_mode != TMode::Idle || id <= 0)
        return;
    if (!m_tasks.Contains(id)) { // another person was chosen meanwhile
        FillList();
        return;
    }
    m_mode = TMode::Editing;
    m_edited = TodoList->currentItem();
    m_scratch = m_tasks.Find(id);
    LoadScratchIntoFrame();
    ShowDetails(true);
}

void TGoalsCreateDlg::RecordChanges()
{
    if (m_mode == TMode::Idle)
        return;
    switch (m_scratch.Kind) {
    case TTaskKind::Questions:
        StoreMaterial(m_scratch, QuestionsFrame->Material->Choice());
        StoreQuestionChoices(m_scratch, QuestionsFrame->Choices());
        break;
    case TTaskKind::Memory:
        StoreMaterial(m_scratch, MemoryFrame->Material->Choice());
        StoreMemoryChoices(m_scratch, MemoryFrame->Choices());
        break;
    case TTaskKind::AccordingTo:
        StoreMaterial(m_scratch, AccToFrame->Material->Choice());
        StoreReferenceChoices(m_scratch, AccToFrame->Choices());
        break;
    default:
        break;
    }
    m_scratch.Details = DetailsEdit->text().toStdString();
    if (m_scratch.Details.size() > 2000)
        m_scratch.Details.resize(2000);
    m_scratch.TargetDay = DayOfDate(TargetEdit->date());
    m_scratch.DueDay = DayOfDate(DueEdit->date());
    m_scratch.Complete = CompleteSpin->value();
    if (m_mode == TMode::Adding || !m_tasks.Contains(TaskIdOf(m_edited)))
        m_tasks.Add(m_scratch);
    else
        m_tasks.Replace(TaskIdOf(m_edited), m_scratch);
    ShowItem(m_edited, m_tasks.Find(m_scratch.Id));
    m_mode = TMode::Idle;
    TodoList->setCurrentItem(m_edited);
    m_edited = nullptr;
    ShowDetails(false);
}

void TGoalsCreateDlg::Delete()
{
    QTreeWidgetItem* item = TodoList->currentItem();
    const int id = TaskIdOf(item);
    if (m_mode != TMode::Idle || id <= 0)
        return;
    if (m_tasks.Contains(id))
        m_tasks.Delete(id);
    delete item;
    UpdateButtons();
}

void TGoalsCreateDlg::StartTask()
{
    const int id = TaskIdOf(TodoList->currentItem());
    if (m_mode != TMode::Idle || id <= 0 || !OnStartTask || !m_tasks.Contains(id))
        return;
    const TTaskDef& task = m_tasks.Find(id);
    if (IsStudyTask(task.Kind))
        OnStartTask(task);
}

} // namespace sv
