#include "editor/gui/QuestionForm.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/QuestionId.h"
#include "content/QuestionTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace sv {

using content::EFindingLevel;
using content::TEditFinding;
using content::TQuestionFields;

namespace {

template <class W>
W* Named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TQuestionForm::TQuestionForm(const content::TQuestionEditing& editing, const TQuestionFields& fields, QWidget* parent)
    : QWidget(parent), m_editing(editing), m_base(fields)
{
    setWindowTitle(fields.Id ? FromUtf8("Question ") + QString::number(fields.Id) : FromUtf8("New question"));
    const auto& portion = editing.Portion();

    CollectionCB = Named(new QComboBox(this), "CollectionCB");
    auto* copies = new QHBoxLayout;
    for (int c = 0; c < MaxCollections; ++c) {
        const QString name = FromWin1252(portion.Collections[static_cast<std::size_t>(c)].Name);
        CollectionCB->addItem(QString::number(c) + FromUtf8(" ") + name, c);
        auto* box = new QCheckBox(QString::number(c), this);
        box->setObjectName(FromUtf8("Copy") + QString::number(c));
        box->setToolTip(FromUtf8("A copy in collection ") + name);
        box->setAccessibleName(FromUtf8("Copy in collection ") + QString::number(c));
        box->setChecked(std::find(fields.Also.begin(), fields.Also.end(), c) != fields.Also.end());
        CopyBoxes.push_back(box);
        copies->addWidget(box);
    }
    copies->addStretch();
    CollectionCB->setCurrentIndex(CollectionCB->findData(fields.Collection));

    TypeCB = Named(new QComboBox(this), "TypeCB");
    std::vector<int> types = content::EditableTypes();
    if (std::find(types.begin(), types.end(), fields.Type) == types.end())
        types.push_back(fields.Type);
    for (const int t : types)
        TypeCB->addItem(FromWin1252(TypeName(t)), t);
    TypeCB->setCurrentIndex(TypeCB->findData(fields.Type));

    PrefixEdit = Named(new QLineEdit(FromWin1252(fields.Prefix), this), "PrefixEdit");
    QuestionEdit = Named(new QLineEdit(FromWin1252(fields.Question), this), "QuestionEdit");

    PartsTable = Named(new QTableWidget(0, 2, this), "PartsTable");
    PartsTable->setHorizontalHeaderLabels({FromUtf8("Verse"), FromUtf8("Answer")});
    PartsTable->horizontalHeader()->setStretchLastSection(true);
    PartsTable->verticalHeader()->setVisible(false);
    for (const auto& p : fields.Parts)
        AddPart(FromWin1252(p.Ref), FromWin1252(p.Text));
    AddPartBtn = Named(new QPushButton(FromUtf8("Add part"), this), "AddPartBtn");
    RemovePartBtn = Named(new QPushButton(FromUtf8("Remove part"), this), "RemovePartBtn");
    connect(AddPartBtn, &QPushButton::clicked, this, [this] {
        const int rows = PartsTable->rowCount();
        AddPart(rows ? PartsTable->item(rows - 1, 0)->text() : QString(), QString());
        Typed();
    });
    connect(RemovePartBtn, &QPushButton::clicked, this, [this] {
        if (PartsTable->rowCount() > 0) {
            const int row = PartsTable->currentRow();
            PartsTable->removeRow(row >= 0 ? row : PartsTable->rowCount() - 1);
            Typed();
        }
    });

    FindingsList = Named(new QListWidget(this), "FindingsList");
    FindingsList->setAccessibleName(FromUtf8("Findings"));
    SaveBtn = Named(new QPushButton(FromUtf8("Save"), this), "SaveBtn");
    SaveBtn->setEnabled(false);
    CancelBtn = Named(new QPushButton(FromUtf8("Cancel"), this), "CancelBtn");
    connect(CancelBtn, &QPushButton::clicked, this, [this] { close(); });
    // Save is enabled only by findings of the fields as they are.
    connect(SaveBtn, &QPushButton::clicked, this, [this] {
        if (OnSave)
            OnSave(Fields());
    });

    m_checkTimer = new QTimer(this);
    m_checkTimer->setSingleShot(true);
    m_checkTimer->setInterval(CheckDelayMs);
    connect(m_checkTimer, &QTimer::timeout, this, [this] { StartCheck(); });
    connect(&m_checking, &QFutureWatcher<std::vector<TEditFinding>>::finished, this, [this] { CheckDone(); });
    connect(CollectionCB, &QComboBox::currentIndexChanged, this, [this] { Typed(); });
    connect(TypeCB, &QComboBox::currentIndexChanged, this, [this] { Typed(); });
    connect(PrefixEdit, &QLineEdit::textChanged, this, [this] { Typed(); });
    connect(QuestionEdit, &QLineEdit::textChanged, this, [this] { Typed(); });
    connect(PartsTable, &QTableWidget::itemChanged, this, [this] { Typed(); });
    for (QCheckBox* box : CopyBoxes)
        connect(box, &QCheckBox::toggled, this, [this] { Typed(); });

    auto* form = new QFormLayout;
    form->addRow(FromUtf8("&Collection:"), CollectionCB);
    form->addRow(FromUtf8("Copies in:"), copies);
    form->addRow(FromUtf8("&Type:"), TypeCB);
    form->addRow(FromUtf8("&Prefix:"), PrefixEdit);
    form->addRow(FromUtf8("&Question:"), QuestionEdit);
    auto* partButtons = new QHBoxLayout;
    partButtons->addWidget(AddPartBtn);
    partButtons->addWidget(RemovePartBtn);
    partButtons->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addWidget(PartsTable, 2);
    lay->addLayout(partButtons);
    lay->addWidget(FindingsList, 1);
    lay->addLayout(buttons);
    resize(620, 480);
    Typed();
}

void TQuestionForm::AddPart(const QString& ref, const QString& text)
{
    const int row = PartsTable->rowCount();
    PartsTable->blockSignals(true);
    PartsTable->insertRow(row);
    PartsTable->setItem(row, 0, new QTableWidgetItem(ref));
    PartsTable->setItem(row, 1, new QTableWidgetItem(text));
    PartsTable->blockSignals(false);
}

TQuestionFields TQuestionForm::Fields() const
{
    m_textErrors.clear();
    const auto bytes = [this](const QString& text, const char* what) {
        QChar bad;
        if (auto converted = ToWin1252(text, &bad))
            return *converted;
        m_textErrors.push_back(std::string("The ") + what + " holds a character that cannot be stored: \""
                               + QString(bad).toStdString() + "\".");
        return std::string();
    };
    TQuestionFields f = m_base;
    f.Collection = CollectionCB->currentData().toInt();
    f.Also.clear();
    for (int c = 0; c < MaxCollections; ++c)
        if (CopyBoxes[static_cast<std::size_t>(c)]->isChecked() && c != f.Collection)
            f.Also.push_back(c);
    f.Type = TypeCB->currentData().toInt();
    f.Prefix = bytes(PrefixEdit->text().trimmed(), "prefix");
    f.Question = bytes(QuestionEdit->text().trimmed(), "question");
    f.Parts.clear();
    for (int row = 0; row < PartsTable->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = PartsTable->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        f.Parts.push_back({bytes(cell(0), "verse"), bytes(cell(1), "answer")});
    }
    return f;
}

void TQuestionForm::Typed()
{
    ++m_typed;
    SaveBtn->setEnabled(false);
    m_checkTimer->start();
}

bool TQuestionForm::Checking() const { return m_checkPending; }

void TQuestionForm::CheckNow()
{
    m_checkTimer->stop();
    const TQuestionFields f = Fields();
    m_findings.clear();
    for (const std::string& e : m_textErrors)
        m_findings.push_back({EFindingLevel::Error, e});
    if (m_findings.empty())
        m_findings = m_editing.Check(f);
    ++m_typed; // a check still running is out of date
    ShowFindings();
}

void TQuestionForm::StartCheck()
{
    // One check at a time; the timer comes again when this one ends out of date.
    if (m_checkPending)
        return;
    const TQuestionFields f = Fields();
    m_checked = m_typed;
    if (!m_textErrors.empty()) {
        m_findings.clear();
        for (const std::string& e : m_textErrors)
            m_findings.push_back({EFindingLevel::Error, e});
        ShowFindings();
        return;
    }
    m_checkPending = true;
    m_checking.setFuture(QtConcurrent::run(m_editing.CheckJob(f)));
}

void TQuestionForm::CheckDone()
{
    m_checkPending = false;
    if (m_checked != m_typed) {
        // The fields changed while the check ran.
        if (!m_checkTimer->isActive())
            m_checkTimer->start();
        return;
    }
    m_findings = m_checking.result();
    ShowFindings();
}

void TQuestionForm::ShowFindings()
{
    FindingsList->clear();
    for (const TEditFinding& f : m_findings) {
        const bool error = f.Level == EFindingLevel::Error;
        auto* item = new QListWidgetItem(FromUtf8(error ? "Error: " : "Warning: ") + QString::fromStdString(f.Message),
                                         FindingsList);
        item->setForeground(error ? QColor(0xB0, 0x00, 0x20) : QColor(0x80, 0x50, 0x00));
    }
    if (m_findings.empty())
        new QListWidgetItem(FromUtf8("No findings."), FindingsList);
    SaveBtn->setEnabled(content::CanSave(m_findings));
}

} // namespace sv
