#include "team/gui/TeamProgressForm.h"

#include "common/SaveAtomically.h"
#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "print/gui/SaveDialog.h"
#include "progress/gui/SeriesColour.h"
#include "shell/ErrorBoundary.h"
#include "team/TeamReport.h"
#include "widgets/AccessibleName.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sv {

namespace {

constexpr int FileNameRole = Qt::UserRole;

// A chapter cell: its percent, the mastered share lime and the rest grey, as the chart
// colours a bar.
QTableWidgetItem* ShareItem(const TShare& share)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, share.Percent());
    item->setTextAlignment(Qt::AlignCenter);
    item->setToolTip(QStringLiteral("%1 of %2 mastered").arg(share.Mastered).arg(share.Available));
    const double at = share.Percent() / 100.0;
    QLinearGradient g(0, 0, 1, 0);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    const QColor mastered = SeriesColour(TProgressSeries::Mastered);
    const QColor rest = SeriesColour(TProgressSeries::Untried);
    g.setColorAt(0, at > 0 ? mastered : rest);
    g.setColorAt(at, at > 0 ? mastered : rest);
    g.setColorAt(std::min(1.0, at + 0.001), at < 1 ? rest : mastered);
    g.setColorAt(1, at < 1 ? rest : mastered);
    item->setBackground(QBrush(g));
    item->setForeground(Qt::black);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* TextItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TTeamProgressForm::TTeamProgressForm(TPrintContext context, std::string usersDir, QWidget* parent)
    : QWidget(parent), m_context(std::move(context)), m_usersDir(std::move(usersDir))
{
    setObjectName(QStringLiteral("TeamProgressForm"));
    setWindowTitle(QStringLiteral("Team Progress"));
    setProperty("helpContext", HelpContext);

    m_measure = new QComboBox(this);
    m_measure->setObjectName(QStringLiteral("MeasureCB"));
    SetAccessibleName(m_measure, QStringLiteral("Measure"));
    m_measure->addItems({QStringLiteral("Questions"), QStringLiteral("Memory passages"), QStringLiteral("References")});

    m_persons = new QTableWidget(this);
    m_persons->setObjectName(QStringLiteral("PersonsTable"));
    SetAccessibleName(m_persons, QStringLiteral("Progress of each person"));
    m_persons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_persons->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_persons->setSelectionMode(QAbstractItemView::SingleSelection);
    m_persons->verticalHeader()->hide();
    m_persons->horizontalHeader()->setSortIndicatorShown(true);

    m_totals = new QTableWidget(this);
    m_totals->setObjectName(QStringLiteral("TotalsTable"));
    SetAccessibleName(m_totals, QStringLiteral("Progress of the team"));
    m_totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_totals->horizontalHeader()->hide();
    m_totals->verticalHeader()->hide();
    m_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totals->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_print = new QPushButton(QStringLiteral("&Print..."), this);
    m_print->setObjectName(QStringLiteral("PrintBtn"));
    m_csv = new QPushButton(QStringLiteral("Export &CSV..."), this);
    m_csv->setObjectName(QStringLiteral("CsvBtn"));
    m_help = new QPushButton(QStringLiteral("&Help"), this);
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Percent mastered of:"), this));
    top->addWidget(m_measure);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Double-click a person to see their progress chart."), this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_csv);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(m_persons, 1);
    lay->addWidget(m_totals);
    lay->addLayout(buttons);

    connect(m_measure, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
    connect(m_persons, &QTableWidget::cellActivated, this, [this](int row, int) { OpenChartAt(row); });
    connect(m_persons, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { OpenChartAt(row); });
    connect(m_persons->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) { m_totals->setColumnWidth(column, size); });
    connect(m_persons->horizontalScrollBar(), &QScrollBar::valueChanged, m_totals->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(m_print, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(m_csv, &QPushButton::clicked, this, [this] { ExportCsv(); });
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(HelpContext);
    });
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (parentWidget())
            parentWidget()->close();
        else
            close();
    });

    Reload();
    resize(900, 420);
}

TTeamMeasure TTeamProgressForm::Measure() const { return TeamMeasures[std::clamp(m_measure->currentIndex(), 0, 2)]; }

void TTeamProgressForm::SelectMeasure(TTeamMeasure measure) { m_measure->setCurrentIndex(static_cast<int>(measure)); }

void TTeamProgressForm::Reload()
{
    auto table = std::make_unique<TTeamTable>(*m_context.Books, *m_context.Questions, AllCollections());
    Guarded([&] { table->LoadFolder(m_usersDir); }, m_context.Messages);
    m_table = std::move(table);
    Fill();
}

void TTeamProgressForm::Fill()
{
    const TTeamTable& t = *m_table;
    const TTeamMeasure measure = Measure();
    const int columns = t.Chapters() + 2;
    QStringList headers{QStringLiteral("Person"), QStringLiteral("Last study")};
    for (int c = 0; c < t.Chapters(); ++c)
        headers << FromWin1252(t.ChapterLabel(c));

    m_persons->setSortingEnabled(false);
    m_persons->clear();
    m_persons->setColumnCount(columns);
    m_persons->setHorizontalHeaderLabels(headers);
    m_persons->setRowCount(static_cast<int>(t.Members().size()));
    int row = 0;
    for (const TTeamMember& m : t.Members()) {
        QTableWidgetItem* name = TextItem(FromWin1252(m.FullName));
        name->setData(FileNameRole, QString::fromStdString(m.FileName));
        m_persons->setItem(row, 0, name);
        m_persons->setItem(row, 1, TextItem(m.LastStudy ? m.LastStudy->toString(Qt::ISODate) : QString()));
        for (int c = 0; c < t.Chapters(); ++c)
            m_persons->setItem(row, ColumnOfChapter(c), ShareItem(m.Chapters[static_cast<std::size_t>(c)].Of(measure)));
        ++row;
    }
    m_persons->setSortingEnabled(true);

    m_totals->clear();
    m_totals->setColumnCount(columns);
    m_totals->setRowCount(1);
    QTableWidgetItem* team = TextItem(QStringLiteral("Team"));
    QFont bold = team->font();
    bold.setBold(true);
    team->setFont(bold);
    m_totals->setItem(0, 0, team);
    m_totals->setItem(0, 1, TextItem(QString()));
    for (int c = 0; c < t.Chapters(); ++c)
        m_totals->setItem(0, ColumnOfChapter(c), ShareItem(t.Total(c).Of(measure)));
    for (int c = 0; c < columns; ++c)
        m_totals->setColumnWidth(c, m_persons->columnWidth(c));
    m_totals->setFixedHeight(m_totals->rowHeight(0) + 2 * m_totals->frameWidth());
}

std::string TTeamProgressForm::FileNameAt(int row) const
{
    const QTableWidgetItem* item = m_persons->item(row, 0);
    return item ? item->data(FileNameRole).toString().toStdString() : std::string();
}

void TTeamProgressForm::OpenChartAt(int row)
{
    const std::string fileName = FileNameAt(row);
    if (!fileName.empty() && OpenChart)
        Guarded([&] { OpenChart(fileName); }, m_context.Messages);
}

void TTeamProgressForm::PrintReport()
{
    Guarded(
        [this] {
            const TSaveChoice choice =
                AskDocumentFile(m_context, QStringLiteral("Team report"), QStringLiteral("TEAM"));
            if (choice.Path.isEmpty())
                return;
            TDocFile file(choice.Rtf ? TDocFormat::Rtf : TDocFormat::Text);
            WriteTeamReport(file, *m_table);
            file.Save(choice.Path.toStdString());
            OfferToOpen(m_context, TDocumentKind::TeamReport, choice.Path);
        },
        m_context.Messages);
}

void TTeamProgressForm::ExportCsv()
{
    Guarded(
        [this] {
            if (!m_context.SaveDialog)
                return;
            const auto answer = m_context.SaveDialog->Ask(
                {QStringLiteral("Export CSV"),
                 QStringLiteral("TEAM"),
                 QStringLiteral("csv"),
                 {{QStringLiteral("Comma-separated values (CSV)"), QStringLiteral("*.csv")}}});
            if (!answer || answer->Path.isEmpty())
                return;
            const std::string text = TeamCsv(*m_table);
            SaveAtomically(answer->Path.toStdString(), std::span<const char>(text.data(), text.size()));
        },
        m_context.Messages);
}

} // namespace sv
