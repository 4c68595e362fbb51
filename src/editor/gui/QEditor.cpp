#include "editor/gui/QEditor.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "shell/ErrorBoundary.h"
#include "widgets/AccessibleName.h"
#include "widgets/ObjectNames.h"
#include "wordstudy/gui/BibleFrame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace sv {

namespace {

constexpr int EntryRole = Qt::UserRole;

QGroupBox* Box(const char* caption, QWidget* parent)
{
    auto* box = new QGroupBox(FromUtf8(caption), parent);
    new QVBoxLayout(box);
    return box;
}

} // namespace

QString MarkedTextHtml(const TMarkedText& text)
{
    QString html;
    std::uint8_t open = 0;
    auto closeTags = [&] {
        if (open & MarkUnderline)
            html += FromUtf8("</u>");
        if (open & MarkBold)
            html += FromUtf8("</b>");
        open = 0;
    };
    for (int i = 1; i <= text.Len; ++i) {
        const std::uint8_t mark = text.Marks[i] & (MarkBold | MarkUnderline);
        if (mark != open) {
            closeTags();
            if (mark & MarkBold)
                html += FromUtf8("<b>");
            if (mark & MarkUnderline)
                html += FromUtf8("<u>");
            open = mark;
        }
        const char c = text.Chars[i];
        html += FromWin1252(std::string_view(&c, 1)).toHtmlEscaped();
    }
    closeTags();
    return html;
}

TQEditor::TQEditor(const TBooks& books, const TQuestions& questions, std::int32_t& wordUseLimit, QWidget* parent)
    : QWidget(parent), m_books(books), m_list(questions)
{
    setWindowTitle(FromUtf8("Question Editor"));
    setProperty("helpContext", HelpContext);

    frmBible = new TfrmBible(books, wordUseLimit, nullptr, TBibleHost::QuestionEditor, this);
    frmBible->OnVerseSelected = [this](const TVerseRef& ref) { VerseSelected(ref); };

    Panel1 = new QWidget(this);
    GroupBox1 = Box("Available Questions", Panel1);
    AvailableLB = new QListWidget(GroupBox1);
    SetAccessibleName(AvailableLB, FromUtf8("Available questions"));
    AvailableLB->setWordWrap(true);
    AvailableLB->setResizeMode(QListView::Adjust);
    AvailableLB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GroupBox1->layout()->addWidget(AvailableLB);
    connect(AvailableLB, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Guarded([&] { AvailableLBClick(row); });
    });

    GroupBox2 = Box("Edited Question", Panel1);
    auto* tools = new QHBoxLayout;
    newBtn = new QPushButton(FromUtf8("New"), GroupBox2);
    newBtn->setToolTip(FromUtf8("New question"));
    modifyBtn = new QPushButton(FromUtf8("Modify"), GroupBox2);
    modifyBtn->setToolTip(FromUtf8("Modify selected question"));
    deleteBtn = new QPushButton(FromUtf8("Delete"), GroupBox2);
    deleteBtn->setToolTip(FromUtf8("Delete selected question"));
    genreCB = new QComboBox(GroupBox2);
    SetAccessibleName(genreCB, FromUtf8("Question type"));
    for (QWidget* w : {static_cast<QWidget*>(newBtn), static_cast<QWidget*>(modifyBtn),
                       static_cast<QWidget*>(deleteBtn), static_cast<QWidget*>(genreCB)})
        tools->addWidget(w);
    static_cast<QVBoxLayout*>(GroupBox2->layout())->addLayout(tools);
    GroupBox4 = Box("Question", GroupBox2);
    qMemo = new QTextEdit(GroupBox4);
    qMemo->setAcceptRichText(false);
    qMemo->setReadOnly(true);
    GroupBox4->layout()->addWidget(qMemo);
    GroupBox3 = Box("Answer", GroupBox2);
    aMemo = new QTextEdit(GroupBox3);
    aMemo->setReadOnly(true);
    GroupBox3->layout()->addWidget(aMemo);
    GroupBox2->layout()->addWidget(GroupBox4);
    GroupBox2->layout()->addWidget(GroupBox3);

    Button1 = new QPushButton(FromUtf8("Done"), Panel1);
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });

    auto* panelLay = new QVBoxLayout(Panel1);
    panelLay->setContentsMargins(0, 0, 0, 0);
    panelLay->addWidget(GroupBox1, 1);
    panelLay->addWidget(GroupBox2, 1);
    panelLay->addWidget(Button1, 0, Qt::AlignRight);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(frmBible);
    splitter->addWidget(Panel1);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->addWidget(splitter);

    NameControls();
    ListVerse(1);
    resize(900, 560);
}

void TQEditor::NameControls()
{
    SetObjectNames({{Panel1, "questionPanel"},
                    {GroupBox1, "availableBox"},
                    {AvailableLB, "availableList"},
                    {GroupBox2, "editedBox"},
                    {newBtn, "newButton"},
                    {modifyBtn, "modifyButton"},
                    {deleteBtn, "deleteButton"},
                    {genreCB, "typeCombo"},
                    {GroupBox4, "questionBox"},
                    {qMemo, "questionText"},
                    {GroupBox3, "answerBox"},
                    {aMemo, "answerText"},
                    {Button1, "doneButton"}});
}

void TQEditor::VerseSelected(const TVerseRef& ref) { ListVerse(m_books.VerseNoOf(ref)); }

void TQEditor::ListVerse(int verseNo)
{
    m_list.ListVerse(verseNo);
    AvailableLB->blockSignals(true);
    AvailableLB->clear();
    for (std::size_t i = 0; i < m_list.Entries().size(); ++i) {
        auto* item = new QListWidgetItem(FromWin1252(m_list.Entries()[i].Text), AvailableLB);
        item->setData(EntryRole, static_cast<int>(i));
        item->setToolTip(item->text());
    }
    AvailableLB->blockSignals(false);
    GroupBox1->setTitle(FromUtf8("Available Questions: ") + FromWin1252(m_books.VerseLabel(verseNo)));
    qMemo->clear();
    aMemo->clear();
}

void TQEditor::AvailableLBClick(int row)
{
    QListWidgetItem* item = AvailableLB->item(row);
    if (!item)
        return;
    TMarkedText question, answer;
    m_list.Compose(item->data(EntryRole).toInt(), question, answer);
    qMemo->setPlainText(FromWin1252(question.Text()));
    aMemo->setHtml(MarkedTextHtml(answer));
    if (AvailableLB->currentRow() != row)
        AvailableLB->setCurrentRow(row);
}

void TQEditor::SetEditCommands(const TEditCommand& add, const TEditCommand& modify, const TEditCommand& remove)
{
    for (const auto& [button, command] :
         {std::pair{newBtn, &add}, std::pair{modifyBtn, &modify}, std::pair{deleteBtn, &remove}}) {
        button->setToolTip(command->Tip);
        connect(button, &QPushButton::clicked, this, [run = command->Run] {
            if (run)
                run();
        });
    }
}

int TQEditor::ChosenEntry() const
{
    const QListWidgetItem* item = AvailableLB->currentItem();
    return item ? item->data(EntryRole).toInt() : -1;
}

void TQEditor::HideTypeList() { genreCB->hide(); }

void TQEditor::AddBelowButtons(QWidget* w) { Panel1->layout()->addWidget(w); }

} // namespace sv
