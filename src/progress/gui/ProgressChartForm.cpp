#include "progress/gui/ProgressChartForm.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "material/gui/SelectionFrames.h"
#include "progress/gui/ProgressChart.h"
#include "progress/gui/SeriesColour.h"
#include "progress/gui/VerseMapView.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/CheckListCombo.h"
#include "widgets/ObjectNames.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QChart>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace sv {

namespace {

constexpr TProgressSeries AllSeries[] = {TProgressSeries::Mastered, TProgressSeries::CorrectFewerThan3,
                                         TProgressSeries::Unmastered, TProgressSeries::Untried};

QLabel* LegendLabel(TProgressSeries s, QWidget* parent)
{
    const QColor c = SeriesColour(s);
    auto* label =
        new QLabel(QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
                       .arg(c.name(), FromUtf8(SeriesLabel(s)).toHtmlEscaped()),
                   parent);
    return label;
}

} // namespace

TProgressChartForm::TProgressChartForm(const TBooks& books, const TQuestions& questions, const TUser& user,
                                       IMessageService* messages, QWidget* parent)
    : QWidget(parent), m_books(books), m_user(user), m_messages(messages), m_counts(books, questions, user),
      m_map(books, questions, user)
{
    setWindowTitle(FromUtf8("Study Progress Chart"));
    setProperty("helpContext", HelpContext);

    MakeChart();
    MakeViewBox();
    MakeMapPage(books);
    Pages = new QStackedWidget(this);
    Pages->addWidget(Chart);
    Pages->addWidget(MapPage);
    MakeCollectionsBox(questions, messages, user);
    MakeTotalsBox();
    MakeButtons();

    auto* side = new QVBoxLayout;
    side->addWidget(ViewGroupBox);
    side->addWidget(CollectionsGroupBox);
    side->addWidget(TotalsGroupBox);
    side->addStretch();
    side->addWidget(SaveImageBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(HelpBtn);
    side->addLayout(buttons);
    auto* lay = new QHBoxLayout(this);
    lay->addWidget(Pages, 1);
    lay->addLayout(side);

    AskSavePath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, FromUtf8("Save chart as image"), suggested,
                                            FromUtf8("PNG images (*.png)"));
    };

    // The chart starts as every chapter untried, then shows the questions view.
    Chart->SetDecimals(0);
    Chart->OpenData(1, 0, m_counts.Points());
    for (int s = 0; s < ProgressSeriesCount; ++s) {
        Chart->SetThisSerie(s);
        for (int p = 0; p < m_counts.Points(); ++p) {
            Chart->SetValue(p, s == static_cast<int>(TProgressSeries::Untried) ? 100 : 0);
            Chart->SetLegend(p, FromWin1252(m_counts.Label(p)));
        }
    }
    Chart->CloseData(1);
    SelectView(TProgressView::Questions);
    resize(760, 400);
    NameControls();
}

void TProgressChartForm::MakeChart()
{
    Chart = new TProgressChart(this);
    Chart->setMinimumSize(420, 260);
    SetAccessibleName(Chart, FromUtf8("Progress chart"));
    SetAccessibleName(Chart->viewport(), FromUtf8("Progress chart"));
    std::vector<std::pair<QString, QColor>> series;
    for (TProgressSeries s : AllSeries)
        series.emplace_back(FromUtf8(SeriesLabel(s)), SeriesColour(s));
    Chart->SetSeries(series);
    Chart->setContextMenuPolicy(Qt::CustomContextMenu);
    ChartPopupMenu = new QMenu(this);
    ChartPopupMenu->addAction(FromUtf8("Save chart as image..."), this,
                              [this] { Guarded([this] { SaveChartAsImage(); }, m_messages); });
    connect(Chart, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ChartPopupMenu->popup(Chart->mapToGlobal(pos)); });
    Chart->OnHover = [this](int point) {
        if (point < 0)
            QToolTip::hideText();
        else
            Guarded([&] { QToolTip::showText(QCursor::pos(), HoverText(point), Chart); }, m_messages);
    };
}

void TProgressChartForm::MakeViewBox()
{
    // The view: caption, legend, radio buttons.
    ViewGroupBox = new QGroupBox(this);
    auto* viewLay = new QVBoxLayout(ViewGroupBox);
    LegendGroupBox = new QGroupBox(ViewGroupBox);
    LegendGroupBox->setFlat(true);
    auto* legendLay = new QVBoxLayout(LegendGroupBox);
    legendLay->setContentsMargins(0, 0, 0, 0);
    for (TProgressSeries s : AllSeries)
        legendLay->addWidget(LegendLabel(s, LegendGroupBox));
    viewLay->addWidget(LegendGroupBox);
    MapLegendGroupBox = new QGroupBox(ViewGroupBox);
    MapLegendGroupBox->setFlat(true);
    auto* mapLegendLay = new QVBoxLayout(MapLegendGroupBox);
    mapLegendLay->setContentsMargins(0, 0, 0, 0);
    for (TVerseQuestionState st : {TVerseQuestionState::AllMastered, TVerseQuestionState::SomeTried,
                                   TVerseQuestionState::NoneTried, TVerseQuestionState::NoQuestions})
        mapLegendLay->addWidget(
            new QLabel(QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
                           .arg(TVerseMapView::StateColour(st).name(), FromUtf8(VerseStateLabel(st))),
                       MapLegendGroupBox));
    mapLegendLay->addWidget(new QLabel(
        QStringLiteral("\u25CF memory verse, \u25A0 reference work:\ncoloured as in the chart"), MapLegendGroupBox));
    viewLay->addWidget(MapLegendGroupBox);
    QuestionsRB = new QRadioButton(FromUtf8("Questions"), ViewGroupBox);
    MemoryRB = new QRadioButton(FromUtf8("Memory verses"), ViewGroupBox);
    ReferenceRB = new QRadioButton(FromUtf8("Reference work"), ViewGroupBox);
    VerseMapRB = new QRadioButton(FromUtf8("Verse map"), ViewGroupBox);
    VerseMapRB->setToolTip(FromUtf8("Every verse of the chosen chapters: which have you never been asked?"));
    for (QRadioButton* rb : {QuestionsRB, MemoryRB, ReferenceRB, VerseMapRB})
        viewLay->addWidget(rb);
    QuestionsRB->setChecked(true);
    auto viewOf = [this](QRadioButton* rb, TProgressView view) {
        connect(rb, &QRadioButton::toggled, this, [this, view](bool on) {
            if (on)
                Guarded([&] { SelectView(view); }, m_messages);
        });
    };
    viewOf(QuestionsRB, TProgressView::Questions);
    viewOf(MemoryRB, TProgressView::MemoryVerses);
    viewOf(ReferenceRB, TProgressView::References);
    viewOf(VerseMapRB, TProgressView::VerseMap);
}

void TProgressChartForm::MakeMapPage(const TBooks& books)
{
    // The verse map page: the chapter range above the map.
    MapPage = new QWidget(this);
    MapFromCB = new QComboBox(MapPage);
    SetAccessibleName(MapFromCB, FromUtf8("From chapter"));
    MapToCB = new QComboBox(MapPage);
    SetAccessibleName(MapToCB, FromUtf8("Through chapter"));
    for (int c = 1; c <= books.TotalChapters(); ++c) {
        const TVerseRef r = books.RefOfChapterNo(c);
        const QString name = FromWin1252(books.BookName(r.Book)) + QLatin1Char(' ') + QString::number(r.Chapter);
        MapFromCB->addItem(name);
        MapToCB->addItem(name);
    }
    MapView = new TVerseMapView(books, m_map, MapPage);
    MapView->OnVerseClicked = [this](const TVerseRef& ref) {
        if (OpenWordStudyAt)
            Guarded([&] { OpenWordStudyAt(ref); }, m_messages);
    };
    MapSummaryLabel = new QLabel(MapPage);
    MapSummaryLabel->setWordWrap(true);
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(FromUtf8("From"), MapPage));
    range->addWidget(MapFromCB);
    range->addWidget(new QLabel(FromUtf8("to"), MapPage));
    range->addWidget(MapToCB);
    range->addStretch();
    auto* mapLay = new QVBoxLayout(MapPage);
    mapLay->setContentsMargins(0, 0, 0, 0);
    mapLay->addLayout(range);
    mapLay->addWidget(MapView, 1);
    mapLay->addWidget(MapSummaryLabel);
    auto rangeChanged = [this] {
        if (MapToCB->currentIndex() < MapFromCB->currentIndex())
            MapToCB->setCurrentIndex(MapFromCB->currentIndex());
        else if (m_view == TProgressView::VerseMap)
            Guarded([this] { Fill(); }, m_messages);
    };
    connect(MapFromCB, &QComboBox::currentIndexChanged, this, rangeChanged);
    connect(MapToCB, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < MapFromCB->currentIndex())
            MapFromCB->setCurrentIndex(index);
        else if (m_view == TProgressView::VerseMap)
            Guarded([this] { Fill(); }, m_messages);
    });
    MapFromCB->setCurrentIndex(0);
    MapToCB->setCurrentIndex(std::min(books.TotalChapters(), 6) - 1);
}

void TProgressChartForm::MakeCollectionsBox(const TQuestions& questions, IMessageService* messages, const TUser& user)
{
    CollectionsGroupBox = new QGroupBox(FromUtf8("Question collections"), this);
    Collections = new TfrmCollections(questions, messages, CollectionsGroupBox);
    (new QVBoxLayout(CollectionsGroupBox))->addWidget(Collections);
    Collections->LoadFromUser(user);
    connect(Collections, &TfrmCollections::Changed, this, [this] {
        if (m_view == TProgressView::Questions || m_view == TProgressView::VerseMap)
            Guarded([this] { Fill(); }, m_messages);
    });
}

void TProgressChartForm::MakeTotalsBox()
{
    // The totals.
    auto* totals = TotalsGroupBox = new QGroupBox(FromUtf8("Totals"), this);
    auto* grid = new QGridLayout(totals);
    auto number = [totals] {
        auto* l = new QLabel(QStringLiteral("0"), totals);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    AvailableLabel = number();
    AttemptedLabel = number();
    UntriedLabel = number();
    MasteredLabel = number();
    CorrectLabel = number();
    UnmasteredLabel = number();
    int row = 0;
    auto line = [&](const char* caption, QLabel* value, int indent) {
        auto* l = new QLabel(FromUtf8(caption), totals);
        l->setIndent(indent);
        grid->addWidget(l, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    };
    line("Available", AvailableLabel, 0);
    line("Attempted", AttemptedLabel, 0);
    line("Untried", UntriedLabel, 0);
    grid->addWidget(new QLabel(FromUtf8("Of those attempted:"), totals), row++, 0, 1, 2);
    line("Mastered", MasteredLabel, 12);
    line("Correct < 3", CorrectLabel, 12);
    line("Unmastered", UnmasteredLabel, 12);
}

void TProgressChartForm::MakeButtons()
{
    // Made in reading order, which Tab follows: Save as image above OK and Help.
    SaveImageBtn = new QPushButton(FromUtf8("Save as image..."), this);
    OKBtn = new QPushButton(FromUtf8("OK"), this);
    HelpBtn = new QPushButton(FromUtf8("Help"), this);
    SaveImageBtn->setToolTip(FromUtf8("Save the chart or the verse map, with its key, as a PNG picture"));
    connect(SaveImageBtn, &QPushButton::clicked, this, [this] { Guarded([this] { SaveChartAsImage(); }, m_messages); });
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { close(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (ShowHelp)
            ShowHelp(HelpContext);
    });
}

void TProgressChartForm::NameControls()
{
    SetObjectNames({{Chart, "chart"},
                    {ChartPopupMenu, "chartMenu"},
                    {ViewGroupBox, "viewBox"},
                    {LegendGroupBox, "legendBox"},
                    {MapLegendGroupBox, "mapLegendBox"},
                    {QuestionsRB, "questionsView"},
                    {MemoryRB, "memoryView"},
                    {ReferenceRB, "referenceView"},
                    {VerseMapRB, "verseMapView"},
                    {MapPage, "mapPage"},
                    {MapFromCB, "mapFrom"},
                    {MapToCB, "mapTo"},
                    {MapView, "verseMap"},
                    {MapSummaryLabel, "mapSummary"},
                    {Pages, "pages"},
                    {CollectionsGroupBox, "collectionsBox"},
                    {Collections, "collections"},
                    {TotalsGroupBox, "totalsBox"},
                    {AvailableLabel, "availableCount"},
                    {AttemptedLabel, "attemptedCount"},
                    {UntriedLabel, "untriedCount"},
                    {MasteredLabel, "masteredCount"},
                    {CorrectLabel, "correctCount"},
                    {UnmasteredLabel, "unmasteredCount"},
                    {OKBtn, "okButton"},
                    {HelpBtn, "helpButton"},
                    {SaveImageBtn, "saveImageButton"}});
}

void TProgressChartForm::SelectView(TProgressView view)
{
    m_view = view;
    QRadioButton* rb = view == TProgressView::Questions      ? QuestionsRB
                       : view == TProgressView::MemoryVerses ? MemoryRB
                       : view == TProgressView::References   ? ReferenceRB
                                                             : VerseMapRB;
    if (!rb->isChecked())
        rb->setChecked(true); // comes back here through the toggle
    const bool map = view == TProgressView::VerseMap;
    ViewGroupBox->setTitle(FromUtf8(ProgressCaption(view)));
    CollectionsGroupBox->setVisible(view == TProgressView::Questions || map);
    LegendGroupBox->setVisible(!map);
    MapLegendGroupBox->setVisible(map);
    TotalsGroupBox->setVisible(!map);
    Pages->setCurrentWidget(map ? MapPage : static_cast<QWidget*>(Chart));
    Fill();
}

void TProgressChartForm::SetMapRange(int fromChapter, int toChapter)
{
    MapFromCB->setCurrentIndex(fromChapter - 1);
    MapToCB->setCurrentIndex(toChapter - 1);
}

void TProgressChartForm::Fill()
{
    if (m_view == TProgressView::VerseMap) {
        m_map.Count(MapFromCB->currentIndex() + 1, MapToCB->currentIndex() + 1, Collections->Chosen());
        MapView->MapChanged();
        const TVerseMapTotals& t = m_map.Totals();
        MapSummaryLabel->setText(
            QStringLiteral("%1 verses: %2 never asked, %3 some asked, %4 all mastered, %5 without questions")
                .arg(t.Verses)
                .arg(t.NoneTried)
                .arg(t.SomeTried)
                .arg(t.AllMastered)
                .arg(t.NoQuestions));
        return;
    }
    m_counts.Count(m_view, Collections->Chosen());
    Chart->OpenData(1, 0, 0);
    for (int p = 0; p < m_counts.Points(); ++p)
        for (TProgressSeries s : AllSeries) {
            Chart->SetThisSerie(static_cast<int>(s));
            Chart->SetValue(p, m_counts.Value(p, s));
        }
    Chart->CloseData(1);
    ShowTotals();
}

void TProgressChartForm::ShowTotals()
{
    const TProgressTotals& t = m_counts.Totals();
    AvailableLabel->setNum(t.Available);
    AttemptedLabel->setNum(t.Attempted);
    UntriedLabel->setNum(t.Untried());
    MasteredLabel->setNum(t.Mastered);
    CorrectLabel->setNum(t.CorrectFewerThan3);
    UnmasteredLabel->setNum(t.Unmastered);
}

QString TProgressChartForm::HoverText(int point) const
{
    const TVerseRef ref = m_books.RefOfChapterNo(point + 1);
    QString text = FromWin1252(m_books.BookName(ref.Book)) + QLatin1Char(' ') + QString::number(ref.Chapter);
    if (m_view == TProgressView::Questions && m_counts.Totals().Available == 0)
        return text + FromUtf8("\nNo question collection chosen");
    for (TProgressSeries s : AllSeries)
        text +=
            QLatin1Char('\n') + FromUtf8(SeriesLabel(s)) + FromUtf8(": ") + QString::number(m_counts.Value(point, s));
    return text;
}

bool TProgressChartForm::SaveImage(const QString& path)
{
    // The saved picture names the person, the view and the day above the chart, and keeps the
    // key to its colours below it, so that it can be shared and read on its own.
    const QPixmap chart = Pages->currentWidget()->grab();
    const QString title = FromWin1252(m_user.FullName.text()) + FromUtf8(": ") + FromUtf8(ProgressCaption(m_view))
                          + FromUtf8(", ") + QDate::currentDate().toString(Qt::ISODate);
    std::vector<std::pair<QColor, QString>> key;
    if (m_view == TProgressView::VerseMap) {
        for (TVerseQuestionState st : {TVerseQuestionState::AllMastered, TVerseQuestionState::SomeTried,
                                       TVerseQuestionState::NoneTried, TVerseQuestionState::NoQuestions})
            key.emplace_back(TVerseMapView::StateColour(st), FromUtf8(VerseStateLabel(st)));
    } else {
        for (TProgressSeries s : AllSeries)
            key.emplace_back(SeriesColour(s), FromUtf8(SeriesLabel(s)));
    }
    QFont font = this->font();
    font.setBold(true);
    const QFontMetrics bold(font);
    const QFontMetrics plain(this->font());
    const int header = bold.height() + 12;
    const int keyLine = plain.height() + 8;
    const int swatch = plain.height() - 2;
    // The key's entries side by side, on as many lines as the picture's width needs.
    std::vector<QPoint> places;
    int x = 8, y = 0;
    for (const auto& [colour, label] : key) {
        const int width = swatch + 6 + plain.horizontalAdvance(label) + 16;
        if (x > 8 && x + width > chart.width()) {
            x = 8;
            y += keyLine;
        }
        places.emplace_back(x, y);
        x += width;
    }
    const int keyHeight = y + keyLine + 4;
    QImage image(chart.width(), chart.height() + header + keyHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, image.width(), header), Qt::AlignCenter, title);
        p.drawPixmap(0, header, chart);
        p.setFont(this->font());
        const int top = header + chart.height() + 4;
        for (std::size_t i = 0; i < key.size(); ++i) {
            const QPoint at = places[i] + QPoint(0, top);
            p.fillRect(QRect(at.x(), at.y() + 4, swatch, swatch), key[i].first);
            p.drawRect(QRect(at.x(), at.y() + 4, swatch, swatch));
            p.drawText(QRect(at.x() + swatch + 6, at.y(), image.width(), keyLine), Qt::AlignLeft | Qt::AlignVCenter,
                       key[i].second);
        }
    }
    if (chart.isNull() || !image.save(path, "PNG")) {
        if (m_messages)
            m_messages->Error(FromUtf8("Cannot create file ") + path);
        return false;
    }
    return true;
}

void TProgressChartForm::SaveChartAsImage()
{
    const QString suggested = FromWin1252(m_user.FileName.text()) + FromUtf8(" progress.png");
    QString path = AskSavePath ? AskSavePath(suggested) : QString();
    if (path.isEmpty())
        return;
    if (!path.endsWith(FromUtf8(".png"), Qt::CaseInsensitive))
        path += FromUtf8(".png");
    SaveImage(path);
}

} // namespace sv
