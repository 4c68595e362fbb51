#include "goals/gui/GoalsCreateDlg.h"

#include "common/Utf8Text.h"
#include "goals/TaskChoices.h"
#include "material/gui/SelectionFrames.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "widgets/AccessibleName.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
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
                                 IMessageService* messages, bool speechAvailable, TTasks& tasks, QDate today,
                                 QWidget* parent)
    : QWidget(parent), m_tasks(tasks), m_today(today), m_messages(messages)
{
    setWindowTitle(FromUtf8("Create or Edit Study Tasks"));
    setProperty("helpContext", HelpContext);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    SetAccessibleName(m_pages, FromUtf8("Pages of the task list"));
    auto* tasksPage = new QWidget(m_pages);
    m_pages->addTab(tasksPage, FromUtf8("Tasks"));

    MakeAddButtons(tasksPage);
    MakeListButtons(tasksPage);
    MakeTodoList(tasksPage);
    MakeDetailsPanel(tasksPage, books, questions, user, speechAvailable);

    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {m_editDetailsButton, m_duplicateButton, m_deleteButton, m_startTaskButton})
        listButtons->addWidget(b);
    listButtons->addStretch();
    auto* tl = new QVBoxLayout(tasksPage);
    tl->addWidget(m_addButtons);
    tl->addLayout(listButtons);
    tl->addWidget(m_todoList, 1);
    tl->addWidget(m_detailsPanel);

    m_okButton = new QPushButton(FromUtf8("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_helpButton = new QPushButton(FromUtf8("Help"), this);
    m_helpButton->setObjectName(QStringLiteral("helpButton"));
    connect(m_okButton, &QPushButton::clicked, this, [this] { close(); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (ShowHelp)
            ShowHelp(HelpContext);
    });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_okButton);
    bottom->addWidget(m_helpButton);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_pages, 1);
    lay->addLayout(bottom);

    FillList();
    ShowDetails(false);
    resize(720, 520);
}

std::function<void()> TGoalsCreateDlg::GuardedAction(void (TGoalsCreateDlg::*action)())
{
    return [this, action] { Guarded([&] { (this->*action)(); }, m_messages); };
}

void TGoalsCreateDlg::MakeAddButtons(QWidget* tasksPage)
{
    // The row of buttons that add a task.
    m_addButtons = new QWidget(tasksPage);
    m_addButtons->setObjectName(QStringLiteral("addButtons"));
    auto* rowLay = new QGridLayout(m_addButtons);
    rowLay->setContentsMargins(0, 0, 0, 0);
    m_addCaption = new QLabel(FromUtf8("Click icon to add task"), m_addButtons);
    m_addCaption->setObjectName(QStringLiteral("addCaption"));
    rowLay->addWidget(m_addCaption, 0, 0, 1, 6);
    auto addButton = [this, rowLay](const char* caption, TTaskKind kind, int column, const char* name) {
        auto* b = new QPushButton(KindIcon(kind), FromUtf8(caption), m_addButtons);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [this, kind] { Guarded([&] { Add(kind); }, m_messages); });
        rowLay->addWidget(b, 1, column);
        return b;
    };
    m_studyQuestionsButton = addButton("Study Questions", TTaskKind::Questions, 0, "studyQuestionsButton");
    m_reviewMemoryButton = addButton("Review memory verses", TTaskKind::Memory, 1, "reviewMemoryButton");
    m_studyAccToButton = addButton("Study according to's", TTaskKind::AccordingTo, 2, "studyAccToButton");
    m_wordStudyButton = addButton("Do word study", TTaskKind::WordStudy, 3, "wordStudyButton");
    m_readScriptureButton = addButton("Read scripture", TTaskKind::ReadScripture, 4, "readScriptureButton");
    m_userDefinedButton = addButton("User-defined task", TTaskKind::UserDefined, 5, "userDefinedButton");
}

void TGoalsCreateDlg::MakeListButtons(QWidget* tasksPage)
{
    m_editDetailsButton = new QPushButton(FromUtf8("Edit Details"), tasksPage);
    m_editDetailsButton->setObjectName(QStringLiteral("editDetailsButton"));
    m_duplicateButton = new QPushButton(FromUtf8("Duplicate"), tasksPage);
    m_duplicateButton->setObjectName(QStringLiteral("duplicateButton"));
    m_deleteButton = new QPushButton(FromUtf8("Delete"), tasksPage);
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    m_startTaskButton = new QPushButton(FromUtf8("Start task"), tasksPage);
    m_startTaskButton->setObjectName(QStringLiteral("startTaskButton"));
    m_startTaskButton->setToolTip(FromUtf8("Open the study set-up with this task's choices"));
    connect(m_editDetailsButton, &QPushButton::clicked, this, GuardedAction(&TGoalsCreateDlg::EditDetails));
    connect(m_deleteButton, &QPushButton::clicked, this, GuardedAction(&TGoalsCreateDlg::Delete));
    connect(m_startTaskButton, &QPushButton::clicked, this, GuardedAction(&TGoalsCreateDlg::StartTask));
}

void TGoalsCreateDlg::MakeTodoList(QWidget* tasksPage)
{
    m_todoList = new QTreeWidget(tasksPage);
    m_todoList->setObjectName(QStringLiteral("todoList"));
    SetAccessibleName(m_todoList, FromUtf8("Tasks"));
    m_todoList->setRootIsDecorated(false);
    m_todoList->setHeaderLabels(
        {FromUtf8("Task"), FromUtf8("Details"), FromUtf8("Target"), FromUtf8("Due"), FromUtf8("Complete")});
    m_todoList->setSortingEnabled(true);
    m_todoList->sortByColumn(Column(TColumn::Details), Qt::AscendingOrder);
    m_todoList->header()->setSectionResizeMode(Column(TColumn::Details), QHeaderView::Stretch);
    m_todoList->header()->setStretchLastSection(false);
    m_todoList->setColumnWidth(Column(TColumn::Task), 120);
    connect(m_todoList, &QTreeWidget::itemSelectionChanged, this, &TGoalsCreateDlg::UpdateButtons);
    connect(m_todoList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_mode == TMode::Idle && TaskIdOf(m_todoList->currentItem()) > 0)
            Guarded([this] { EditDetails(); }, m_messages);
    });
}

void TGoalsCreateDlg::MakeDetailsPanel(QWidget* tasksPage, const TBooks& books, const TQuestions& questions,
                                       const TUser& user, bool speechAvailable)
{
    // The "Details" panel: what the list shows of the task, and the task's study page.
    m_detailsPanel = new QGroupBox(FromUtf8("Details"), tasksPage);
    m_detailsPanel->setObjectName(QStringLiteral("detailsPanel"));
    m_detailsEdit = new QLineEdit(m_detailsPanel);
    m_detailsEdit->setObjectName(QStringLiteral("detailsEdit"));
    m_detailsEdit->setPlaceholderText(FromUtf8("What this task is for"));
    m_targetDateEdit = new QDateEdit(m_detailsPanel);
    m_targetDateEdit->setObjectName(QStringLiteral("targetDateEdit"));
    m_dueDateEdit = new QDateEdit(m_detailsPanel);
    m_dueDateEdit->setObjectName(QStringLiteral("dueDateEdit"));
    for (QDateEdit* d : {m_targetDateEdit, m_dueDateEdit}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(FromUtf8("yyyy-MM-dd"));
    }
    m_completeSpin = new QSpinBox(m_detailsPanel);
    m_completeSpin->setObjectName(QStringLiteral("completeSpin"));
    SetAccessibleName(m_completeSpin, FromUtf8("Percent complete"));
    m_completeSpin->setRange(0, 100);
    m_completeSpin->setSuffix(FromUtf8(" %"));
    m_completeSpin->setToolTip(FromUtf8("Set by hand: how much of the task is done"));
    m_questionsFrame = new TfrmQuestions(books, questions, m_messages, speechAvailable, m_detailsPanel);
    m_questionsFrame->setObjectName(QStringLiteral("questionsFrame"));
    m_questionsFrame->LoadFromUser(user);
    // Collections and question types are not part of a task.
    m_questionsFrame->HideCollectionsAndTypes();
    m_memoryFrame = new TfrmMemory(books, speechAvailable, m_detailsPanel);
    m_memoryFrame->setObjectName(QStringLiteral("memoryFrame"));
    m_memoryFrame->LoadFromUser(user);
    m_accToFrame = new TfrmAccTo(books, speechAvailable, m_detailsPanel);
    m_accToFrame->setObjectName(QStringLiteral("accToFrame"));
    m_accToFrame->LoadFromUser(user);
    m_recordChangesButton = new QPushButton(FromUtf8("Record Changes"), m_detailsPanel);
    m_recordChangesButton->setObjectName(QStringLiteral("recordChangesButton"));
    connect(m_recordChangesButton, &QPushButton::clicked, this, GuardedAction(&TGoalsCreateDlg::RecordChanges));
    m_cancelChangesButton = new QPushButton(FromUtf8("Cancel"), m_detailsPanel);
    m_cancelChangesButton->setObjectName(QStringLiteral("cancelChangesButton"));
    connect(m_cancelChangesButton, &QPushButton::clicked, this, GuardedAction(&TGoalsCreateDlg::CancelChanges));
    auto* dl = new QGridLayout(m_detailsPanel);
    dl->addWidget(new QLabel(FromUtf8("Details"), m_detailsPanel), 0, 0);
    dl->addWidget(m_detailsEdit, 0, 1, 1, 5);
    dl->addWidget(new QLabel(FromUtf8("Target"), m_detailsPanel), 1, 0);
    dl->addWidget(m_targetDateEdit, 1, 1);
    dl->addWidget(new QLabel(FromUtf8("Due"), m_detailsPanel), 1, 2);
    dl->addWidget(m_dueDateEdit, 1, 3);
    dl->addWidget(new QLabel(FromUtf8("Complete (set by hand)"), m_detailsPanel), 1, 4);
    dl->addWidget(m_completeSpin, 1, 5);
    // The study page scrolls when the main window leaves too little room for it.
    auto* pages = new QWidget;
    auto* pagesLay = new QVBoxLayout(pages);
    pagesLay->setContentsMargins(0, 0, 0, 0);
    for (QWidget* f : {static_cast<QWidget*>(m_questionsFrame), static_cast<QWidget*>(m_memoryFrame),
                       static_cast<QWidget*>(m_accToFrame)})
        pagesLay->addWidget(f);
    auto* scroll = new QScrollArea(m_detailsPanel);
    scroll->setWidget(pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(160);
    dl->addWidget(scroll, 2, 0, 1, 6);
    auto* detailButtons = new QHBoxLayout;
    detailButtons->addStretch();
    detailButtons->addWidget(m_recordChangesButton);
    detailButtons->addWidget(m_cancelChangesButton);
    dl->addLayout(detailButtons, 5, 0, 1, 6);
    dl->setColumnStretch(1, 1);
    dl->setColumnStretch(3, 1);
}

int TGoalsCreateDlg::TaskIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(Column(TColumn::Task), IdRole).toInt() : 0;
}

QTreeWidgetItem* TGoalsCreateDlg::ItemOfTask(int id) const
{
    for (int i = 0; i < m_todoList->topLevelItemCount(); ++i)
        if (TaskIdOf(m_todoList->topLevelItem(i)) == id)
            return m_todoList->topLevelItem(i);
    return nullptr;
}

void TGoalsCreateDlg::SelectTask(int id)
{
    if (QTreeWidgetItem* item = ItemOfTask(id))
        m_todoList->setCurrentItem(item);
}

void TGoalsCreateDlg::FillList()
{
    m_todoList->clear();
    for (int i = 1; i <= m_tasks.Count(); ++i)
        NewItem(m_tasks.At(i));
}

QTreeWidgetItem* TGoalsCreateDlg::NewItem(const TTaskDef& task)
{
    auto* item = new TTodoItem(m_todoList);
    ShowItem(item, task);
    return item;
}

void TGoalsCreateDlg::ShowItem(QTreeWidgetItem* item, const TTaskDef& task)
{
    const bool sorting = m_todoList->isSortingEnabled();
    m_todoList->setSortingEnabled(false);
    item->setIcon(Column(TColumn::Task), KindIcon(task.Kind));
    item->setText(Column(TColumn::Task), FromUtf8(TaskSubject(task.Kind)));
    item->setData(Column(TColumn::Task), IdRole, task.Id);
    item->setData(Column(TColumn::Task), KindRole, static_cast<int>(task.Kind));
    item->setText(Column(TColumn::Details), QString::fromUtf8(task.Details));
    item->setText(Column(TColumn::Target), DateOfDay(task.TargetDay).toString(Qt::ISODate));
    item->setText(Column(TColumn::Due), DateOfDay(task.DueDay).toString(Qt::ISODate));
    item->setText(Column(TColumn::Complete), QString::number(task.Complete) + FromUtf8(" %"));
    m_todoList->setSortingEnabled(sorting);
}

QWidget* TGoalsCreateDlg::FrameOf(TTaskKind kind) const
{
    switch (kind) {
    case TTaskKind::Questions:
        return m_questionsFrame;
    case TTaskKind::Memory:
        return m_memoryFrame;
    case TTaskKind::AccordingTo:
        return m_accToFrame;
    default:
        return nullptr;
    }
}

void TGoalsCreateDlg::LoadScratchIntoFrame()
{
    const TMaterialChoice material = MaterialOfTask(m_scratch);
    switch (m_scratch.Kind) {
    case TTaskKind::Questions:
        m_questionsFrame->LoadFromTask(material, QuestionChoicesOfTask(m_scratch));
        break;
    case TTaskKind::Memory:
        m_memoryFrame->LoadFromTask(material, MemoryChoicesOfTask(m_scratch));
        break;
    case TTaskKind::AccordingTo:
        m_accToFrame->LoadFromTask(material, ReferenceChoicesOfTask(m_scratch));
        break;
    default:
        break;
    }
    for (QWidget* f : {static_cast<QWidget*>(m_questionsFrame), static_cast<QWidget*>(m_memoryFrame),
                       static_cast<QWidget*>(m_accToFrame)})
        f->setVisible(f == FrameOf(m_scratch.Kind));
    m_detailsEdit->setText(QString::fromUtf8(m_scratch.Details));
    m_targetDateEdit->setDate(DateOfDay(m_scratch.TargetDay).isValid() ? DateOfDay(m_scratch.TargetDay) : m_today);
    m_dueDateEdit->setDate(DateOfDay(m_scratch.DueDay).isValid() ? DateOfDay(m_scratch.DueDay) : m_today);
    m_completeSpin->setValue(m_scratch.Complete);
}

void TGoalsCreateDlg::ShowDetails(bool on)
{
    m_detailsPanel->setVisible(on);
    m_addButtons->setVisible(!on);
    m_okButton->setEnabled(!on);
    UpdateButtons();
    // The child window grows to show the panel, as far as the main window's area allows.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (on && sub && sub->mdiArea()) {
        const QSize room = sub->mdiArea()->viewport()->size();
        const QSize want = QSize(std::max(sub->width(), sub->sizeHint().width()), room.height()).boundedTo(room);
        sub->resize(want);
        sub->move(std::max(0, std::min(sub->x(), room.width() - want.width())),
                  std::max(0, std::min(sub->y(), room.height() - want.height())));
    }
}

void TGoalsCreateDlg::UpdateButtons()
{
    const int id = m_mode == TMode::Idle ? TaskIdOf(m_todoList->currentItem()) : 0;
    const bool recorded = id > 0 && m_todoList->currentItem()->isSelected() && m_tasks.Contains(id);
    m_editDetailsButton->setEnabled(recorded);
    m_duplicateButton->setEnabled(recorded);
    m_deleteButton->setEnabled(recorded);
    m_startTaskButton->setEnabled(recorded && IsStudyTask(m_tasks.Find(id).Kind));
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
    m_todoList->setCurrentItem(m_edited);
    LoadScratchIntoFrame();
    ShowDetails(true);
    m_detailsEdit->setFocus();
}

void TGoalsCreateDlg::EditDetails()
{
    const int id = TaskIdOf(m_todoList->currentItem());
    if (m_mode != TMode::Idle || id <= 0)
        return;
    if (!m_tasks.Contains(id)) { // another person was chosen meanwhile
        FillList();
        return;
    }
    m_mode = TMode::Editing;
    m_edited = m_todoList->currentItem();
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
        StoreMaterial(m_scratch, m_questionsFrame->MaterialChoice());
        StoreQuestionChoices(m_scratch, m_questionsFrame->Choices());
        break;
    case TTaskKind::Memory:
        StoreMaterial(m_scratch, m_memoryFrame->MaterialChoice());
        StoreMemoryChoices(m_scratch, m_memoryFrame->Choices());
        break;
    case TTaskKind::AccordingTo:
        StoreMaterial(m_scratch, m_accToFrame->MaterialChoice());
        StoreReferenceChoices(m_scratch, m_accToFrame->Choices());
        break;
    default:
        break;
    }
    m_scratch.Details = m_detailsEdit->text().toStdString();
    if (m_scratch.Details.size() > 2000)
        m_scratch.Details.resize(2000);
    m_scratch.TargetDay = DayOfDate(m_targetDateEdit->date());
    m_scratch.DueDay = DayOfDate(m_dueDateEdit->date());
    m_scratch.Complete = m_completeSpin->value();
    if (m_mode == TMode::Adding || !m_tasks.Contains(TaskIdOf(m_edited)))
        m_tasks.Add(m_scratch);
    else
        m_tasks.Replace(TaskIdOf(m_edited), m_scratch);
    ShowItem(m_edited, m_tasks.Find(m_scratch.Id));
    m_mode = TMode::Idle;
    m_todoList->setCurrentItem(m_edited);
    m_edited = nullptr;
    ShowDetails(false);
}

void TGoalsCreateDlg::CancelChanges()
{
    if (m_mode == TMode::Idle)
        return;
    if (m_mode == TMode::Adding)
        delete m_edited;
    else
        m_todoList->setCurrentItem(m_edited);
    m_mode = TMode::Idle;
    m_edited = nullptr;
    ShowDetails(false);
}

void TGoalsCreateDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape leaves the details first, then the window.
        if (m_mode != TMode::Idle)
            Guarded([this] { CancelChanges(); }, m_messages);
        else
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGoalsCreateDlg::Delete()
{
    QTreeWidgetItem* item = m_todoList->currentItem();
    const int id = TaskIdOf(item);
    if (m_mode != TMode::Idle || id <= 0)
        return;
    const QString subject = item->text(Column(TColumn::Task));
    const QString details = item->text(Column(TColumn::Details));
    const QString what = details.isEmpty() ? subject : subject + FromUtf8(" \u201C") + details + FromUtf8("\u201D");
    if (!m_messages || !m_messages->Confirm(FromUtf8("Delete the task %1?").arg(what)))
        return;
    if (m_tasks.Contains(id))
        m_tasks.Delete(id);
    delete item;
    UpdateButtons();
}

void TGoalsCreateDlg::StartTask()
{
    const int id = TaskIdOf(m_todoList->currentItem());
    if (m_mode != TMode::Idle || id <= 0 || !OnStartTask || !m_tasks.Contains(id))
        return;
    const TTaskDef& task = m_tasks.Find(id);
    if (IsStudyTask(task.Kind))
        OnStartTask(task);
}

} // namespace sv
