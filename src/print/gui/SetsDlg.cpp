#include "print/gui/SetsDlg.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Questions.h"
#include "material/gui/SelectionFrames.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/CheckListCombo.h"
#include "widgets/DialogKeys.h"
#include "widgets/ObjectNames.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace sv {

namespace {

QCheckBox* Check(const char* caption, QWidget* parent) { return new QCheckBox(FromUtf8(caption), parent); }

TSpinEdit* Spin(int lo, int hi, int step, QWidget* parent)
{
    auto* s = new TSpinEdit(lo, hi, parent);
    s->setSingleStep(step);
    return s;
}

QPushButton* SmallButton(const char* caption, const char* hint, QWidget* parent)
{
    auto* b = new QPushButton(FromUtf8(caption), parent);
    b->setToolTip(FromUtf8(hint));
    b->setFixedWidth(24);
    return b;
}

QString ColourStyle(TAdequacyColour c)
{
    switch (c) {
    case TAdequacyColour::Green:
        return FromUtf8("QLabel { background: #40c040; color: black; padding: 1px 4px; }");
    case TAdequacyColour::Yellow:
        return FromUtf8("QLabel { background: #ffff00; color: black; padding: 1px 4px; }");
    case TAdequacyColour::Red:
        return FromUtf8("QLabel { background: #ff3030; color: white; padding: 1px 4px; }");
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------------------------------
// The first page

TfrmSets1::TfrmSets1(const TPrintContext& context, QWidget* parent) : QWidget(parent)
{
    Material = new TfrmMaterialSelection(*context.Books, false, this);
    targetSpecificCheckBox = Check("Target specific material", this);
    targetedLabel = new QLabel(FromUtf8("Targeted material"), this);
    targetedCheckList = new TCheckListCombo(this);
    targetedCheckList->setMinimumWidth(150);
    SetAccessibleName(targetedCheckList, FromUtf8("Targeted material"));
    auto* percentLabel = new QLabel(FromUtf8("Percent of questions from targeted material"), this);
    PercentTargetedSpin = Spin(5, 100, 5, this);
    SetAccessibleName(PercentTargetedSpin, FromUtf8("Percent of questions from targeted material"));
    selectAllTargetedBtn = SmallButton("S", "Select all targeted material", this);
    clearAllTargetedBtn = SmallButton("C", "Clear all targeted material", this);
    Collections = new TfrmCollections(*context.Questions, context.Messages, this);
    Heading = new QLineEdit(this);
    Heading->setMaxLength(100);
    SetAccessibleName(Heading, FromUtf8("Heading to include at top of each set"));
    PrimarySpin = Spin(1, MaxSetsPerBuild, 1, this);
    SetAccessibleName(PrimarySpin, FromUtf8("Sets"));
    ReplacementSpin = Spin(4, 300, 1, this);
    SetAccessibleName(ReplacementSpin, FromUtf8("Toss-up questions per set"));
    targetedLabel->setBuddy(targetedCheckList);
    percentLabel->setBuddy(PercentTargetedSpin);

    QWidget* materialBox = MakeMaterialBox(percentLabel);
    QWidget* collBox = MakeCollectionsBox();
    QGridLayout* grid = MakeCountsGrid();

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(materialBox);
    lay->addWidget(collBox);
    lay->addLayout(grid);
    lay->addStretch();

    ConnectChanges();
    EnableTargeting(false);
    NameControls();
}

QWidget* TfrmSets1::MakeMaterialBox(QLabel* percentLabel)
{
    auto* materialBox = new QGroupBox(FromUtf8("Material selection"), this);
    auto* ml = new QVBoxLayout(materialBox);
    ml->setContentsMargins(6, 4, 6, 4);
    ml->addWidget(Material);
    ml->addWidget(targetSpecificCheckBox);
    auto* tl = new QHBoxLayout;
    tl->addWidget(targetedLabel);
    tl->addWidget(targetedCheckList, 1);
    tl->addWidget(selectAllTargetedBtn);
    tl->addWidget(clearAllTargetedBtn);
    ml->addLayout(tl);
    auto* pl = new QHBoxLayout;
    pl->addWidget(percentLabel);
    pl->addWidget(PercentTargetedSpin);
    pl->addStretch();
    ml->addLayout(pl);
    return materialBox;
}

QWidget* TfrmSets1::MakeCollectionsBox()
{
    auto* collBox = new QGroupBox(FromUtf8("Collections to use"), this);
    auto* cl = new QVBoxLayout(collBox);
    cl->setContentsMargins(6, 4, 6, 4);
    cl->addWidget(Collections);
    return collBox;
}

QGridLayout* TfrmSets1::MakeCountsGrid()
{
    auto* grid = new QGridLayout;
    auto* headingLabel = new QLabel(FromUtf8("Heading to include at top of each set"), this);
    headingLabel->setBuddy(Heading);
    grid->addWidget(headingLabel, 0, 0, 1, 2);
    grid->addWidget(Heading, 1, 0, 1, 2);
    auto* setsLabel = new QLabel(FromUtf8("Sets"), this);
    setsLabel->setBuddy(PrimarySpin);
    auto* tossLabel = new QLabel(FromUtf8("Toss-up questions per set"), this);
    tossLabel->setBuddy(ReplacementSpin);
    grid->addWidget(setsLabel, 2, 0);
    grid->addWidget(PrimarySpin, 2, 1);
    grid->addWidget(tossLabel, 3, 0);
    grid->addWidget(ReplacementSpin, 3, 1);
    return grid;
}

void TfrmSets1::ConnectChanges()
{
    auto changed = [this] { Q_EMIT Changed(); };
    auto materialChanged = [this] {
        RebuildTargetedList();
        Q_EMIT Changed();
    };
    connect(Material, &TfrmMaterialSelection::Changed, this, materialChanged);
    connect(targetSpecificCheckBox, &QCheckBox::toggled, this, [this, changed](bool on) {
        EnableTargeting(on);
        changed();
    });
    connect(targetedCheckList, &TCheckListCombo::ItemToggled, this, changed);
    connect(selectAllTargetedBtn, &QPushButton::clicked, this, [this, changed] {
        SelectAllItems(*targetedCheckList, true);
        changed();
    });
    connect(clearAllTargetedBtn, &QPushButton::clicked, this, [this, changed] {
        SelectAllItems(*targetedCheckList, false);
        changed();
    });
    connect(Collections, &TfrmCollections::Changed, this, changed);
    connect(PrimarySpin, &QSpinBox::valueChanged, this, changed);
    connect(ReplacementSpin, &QSpinBox::valueChanged, this, changed);
}

void TfrmSets1::NameControls()
{
    SetObjectNames({{Material, "material"},
                    {targetSpecificCheckBox, "targetSpecific"},
                    {targetedLabel, "targetedLabel"},
                    {targetedCheckList, "targeted"},
                    {PercentTargetedSpin, "percentTargeted"},
                    {selectAllTargetedBtn, "selectAllTargeted"},
                    {clearAllTargetedBtn, "clearAllTargeted"},
                    {Collections, "collections"},
                    {Heading, "heading"},
                    {PrimarySpin, "sets"},
                    {ReplacementSpin, "tossUps"}});
}

void TfrmSets1::LoadFromUser(const TUser& u)
{
    const TUserOptions& o = u.Options;
    Material->LoadFromUser(u);
    Collections->LoadFromUser(u);
    // A person who has chosen no material or no collections yet starts from the whole portion
    // and every collection, so that the first sets can be made at once.
    if (std::ranges::none_of(Material->List().CheckedStates(), [](bool on) { return on; }))
        Material->CheckAll();
    int collections = 0;
    Collections->Chosen(&collections);
    if (collections == 0)
        Collections->CheckAll();
    PrimarySpin->setValue(o.SetsCount);
    ReplacementSpin->setValue(o.SetsTossUps);
    PercentTargetedSpin->setValue(o.SetsPercentTargeted);
    RebuildTargetedList();
}

void TfrmSets1::SaveToUser(TUser& user) const
{
    Material->SaveToUser(user);
    Collections->SaveToUser(user);
}

void TfrmSets1::FillChoices(TSetsChoices& c) const
{
    c.Kind = Material->Kind();
    c.Checked = Material->List().CheckedStates();
    c.Targeting = targetSpecificCheckBox->isChecked();
    c.Targeted.assign(c.Checked.size(), false);
    const auto& items = m_targetedItems;
    for (std::size_t j = 0; j < items.size() && static_cast<int>(j) < targetedCheckList->Count(); ++j)
        if (targetedCheckList->Checked(static_cast<int>(j)))
            c.Targeted[static_cast<std::size_t>(items[j])] = true;
    c.PercentTargeted = PercentTargetedSpin->value();
    c.Collections = Collections->Chosen();
    c.Heading = ToWin1252(Heading->text()).value_or(std::string());
    c.Sets = PrimarySpin->value();
}

int TfrmSets1::TossUps() const { return ReplacementSpin->value(); }
QString TfrmSets1::HeadingText() const { return Heading->text(); }

void TfrmSets1::EnableTargeting(bool on)
{
    targetedLabel->setEnabled(on);
    targetedCheckList->setEnabled(on);
    PercentTargetedSpin->setEnabled(on);
    selectAllTargetedBtn->setEnabled(on);
    clearAllTargetedBtn->setEnabled(on);
}

void TfrmSets1::RebuildTargetedList()
{
    if (!Material->List().isEnabled())
        return;
    {
        const QSignalBlocker block(targetSpecificCheckBox);
        targetSpecificCheckBox->setChecked(false);
    }
    targetSpecificCheckBox->setEnabled(false);
    EnableTargeting(false);
    const TCheckListCombo& material = Material->List();
    targetedCheckList->SetSummaryEnabled(false);
    targetedCheckList->Clear();
    targetedCheckList->SetItemNoun(material.ItemNoun());
    targetedCheckList->SetDropDownWidth(MaterialDropWidth(Material->Kind()));
    m_targetedItems.clear();
    for (int i = 0, n = material.Count(); i < n; ++i)
        if (material.Checked(i)) {
            targetedCheckList->AddItem(material.ItemText(i));
            m_targetedItems.push_back(i);
        }
    targetedCheckList->SetSummaryEnabled(true);
    targetSpecificCheckBox->setEnabled(targetedCheckList->Count() > 0);
}

// ---------------------------------------------------------------------------------------
// The window

TSetsDlg_WF::TSetsDlg_WF(const TPrintContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_commandsOnClose(context.CommandsOn)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8("Generate Question Sets"));
    setProperty("helpContext", 2070);
    if (!m_context.Random)
        m_ownRandom = std::make_unique<TRandom>();

    // Made in reading order, which Tab follows: the tabs, their pages, the summary, the buttons.
    Pages = new QTabWidget(this);
    Frame = new TfrmSets1(m_context, this);
    SetAccessibleName(Pages, FromUtf8("Pages of the set options"));
    Pages->addTab(Frame, FromUtf8("Basic Options"));
    Pages->addTab(MakeAdvancedPage(), FromUtf8("Advanced Options"));
    AdvancedSectoringPage = MakeSectoringPage();

    summaryMemo = new QPlainTextEdit(this);
    summaryMemo->setReadOnly(true);
    SetAccessibleName(summaryMemo, FromUtf8("Summary of the sets"));
    summaryMemo->setFixedHeight(70);

    GenerateBtn = new QPushButton(FromUtf8("Create"), this);
    CancelBtn = new QPushButton(FromUtf8("Cancel"), this);
    helpBtn = new QPushButton(FromUtf8("Help"), this);
    GenerateBtn->setDefault(true);
    connect(GenerateBtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { GenerateBtnClick(); }, m_context.Messages); });
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(helpBtn, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(2070);
    });

    auto* side = new QVBoxLayout;
    side->addWidget(MakeAvailableBox());
    side->addWidget(summaryMemo);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GenerateBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(helpBtn);
    side->addLayout(buttons);
    auto* lay = new QHBoxLayout(this);
    lay->addWidget(Pages, 1);
    lay->addLayout(side);

    AdequacyTimer = new QTimer(this);
    AdequacyTimer->setSingleShot(true);
    AdequacyTimer->setInterval(500);
    connect(AdequacyTimer, &QTimer::timeout, this, [this] {
        if (m_ready)
            Guarded([this] { CheckAdequacyNow(); }, m_context.Messages);
    });
    connect(Frame, &TfrmSets1::Changed, this, [this] { Restart(); });
    for (TSpinEdit* s : {Bonus20Spin, Bonus30Spin, Bonus40Spin})
        connect(s, &QSpinBox::valueChanged, this, [this] { Restart(); });

    NameControls();
    LoadFromUser();
    m_ready = true;
    Restart();
}

TSetsDlg_WF::~TSetsDlg_WF()
{
    if (m_thread) {
        m_progress->Cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void TSetsDlg_WF::NameControls()
{
    SetObjectNames({{Frame, "basicPage"},
                    {Pages, "pages"},
                    {AdvancedSectoringPage, "sectoringPage"},
                    {Bonus20Spin, "bonus20"},
                    {Bonus30Spin, "bonus30"},
                    {Bonus40Spin, "bonus40"},
                    {DifficultyCB, "difficulty"},
                    {highlightKeywords, "highlightKeywords"},
                    {highlightKeywordsSpin, "keywordLimit"},
                    {FavorDuplicatesCheckBox, "favourDuplicates"},
                    {underlinePrejumps, "underlinePrejumps"},
                    {useColorCB, "useColour"},
                    {useHistoryCB, "useHistory"},
                    {updateHistoryCB, "updateHistory"},
                    {UseTwoColumns, "twoColumns"},
                    {AdvancedSectoring, "advancedSectoring"},
                    {ResetBtn, "resetAdvanced"},
                    {distVERSE, "evenlyAcrossVerses"},
                    {distQUESTIONS, "evenlyAcrossQuestions"},
                    {distCHAPTER, "evenlyAcrossChapters"},
                    {distSECTION, "evenlyAcrossSections"},
                    {ResetBtn2, "resetSectoring"},
                    {TotalNeededLabel, "totalNeeded"},
                    {summaryMemo, "summary"},
                    {GenerateBtn, "createButton"},
                    {CancelBtn, "cancelButton"},
                    {helpBtn, "helpButton"},
                    {AdequacyTimer, "adequacyTimer"}});
    // need/have + TossUps, Bonus20, Bonus30, Bonus40
    const char* const kinds[] = {"TossUps", "Bonus20", "Bonus30", "Bonus40"};
    for (std::size_t k = 0; k < NeedLabels.size(); ++k) {
        NeedLabels[k]->setObjectName(QStringLiteral("need") + QLatin1String(kinds[k]));
        HaveLabels[k]->setObjectName(QStringLiteral("have") + QLatin1String(kinds[k]));
    }
}

QWidget* TSetsDlg_WF::MakeAdvancedPage()
{
    auto* page = new QWidget(this);
    Bonus20Spin = Spin(0, 100, 1, page);
    SetAccessibleName(Bonus20Spin, FromUtf8("Bonus questions worth 20 points"));
    Bonus30Spin = Spin(0, 100, 1, page);
    SetAccessibleName(Bonus30Spin, FromUtf8("Bonus questions worth 30 points"));
    Bonus40Spin = Spin(0, 100, 1, page);
    SetAccessibleName(Bonus40Spin, FromUtf8("Bonus questions worth 40 points"));
    DifficultyCB = new QComboBox(page);
    SetAccessibleName(DifficultyCB, FromUtf8("Difficulty"));
    for (int d = 0; d < DifficultyCount; ++d)
        DifficultyCB->addItem(FromUtf8(DifficultyName(static_cast<TDifficulty>(d))));
    highlightKeywords = Check("Highlight keywords used at most", page);
    highlightKeywordsSpin = Spin(1, 9, 1, page);
    SetAccessibleName(highlightKeywordsSpin, FromUtf8("Highlight keywords used at most this many times"));
    FavorDuplicatesCheckBox = Check("Favor questions occurring most often in collections", page);
    underlinePrejumps = Check("Underline prejump words at beginning of question", page);
    useColorCB = Check("Use color for keywords", page);
    useHistoryCB = Check("Avoid using questions from previously generated sets", page);
    updateHistoryCB = Check("Update history when done", page);
    UseTwoColumns = Check("Use two columns to save space", page);
    AdvancedSectoring = Check("Use Advanced Sectoring", page);
    ResetBtn = new QPushButton(FromUtf8("Reset to Defaults"), page);

    auto* bonusBox = new QGroupBox(FromUtf8("Bonus questions per set"), page);
    auto* bl = new QHBoxLayout(bonusBox);
    const std::array<std::pair<const char*, TSpinEdit*>, 3> bonuses{
        {{"20Pts", Bonus20Spin}, {"30Pts", Bonus30Spin}, {"40Pts", Bonus40Spin}}};
    for (const auto& [caption, spin] : bonuses) {
        auto* l = new QLabel(FromUtf8(caption), bonusBox);
        l->setBuddy(spin);
        bl->addWidget(l);
        bl->addWidget(spin);
    }
    bl->addStretch();

    auto* lay = new QVBoxLayout(page);
    lay->addWidget(bonusBox);
    auto* dl = new QHBoxLayout;
    auto* difficultyLabel = new QLabel(FromUtf8("Difficulty"), page);
    difficultyLabel->setBuddy(DifficultyCB);
    dl->addWidget(difficultyLabel);
    dl->addWidget(DifficultyCB);
    dl->addStretch();
    lay->addLayout(dl);
    auto* hl = new QHBoxLayout;
    hl->addWidget(highlightKeywords);
    hl->addWidget(highlightKeywordsSpin);
    hl->addWidget(new QLabel(FromUtf8("times"), page));
    hl->addStretch();
    lay->addLayout(hl);
    auto* colour = new QHBoxLayout;
    colour->addSpacing(20);
    colour->addWidget(useColorCB);
    lay->addLayout(colour);
    for (QCheckBox* cb :
         {FavorDuplicatesCheckBox, underlinePrejumps, useHistoryCB, updateHistoryCB, UseTwoColumns, AdvancedSectoring})
        lay->addWidget(cb);
    lay->addStretch();
    auto* rl = new QHBoxLayout;
    rl->addStretch();
    rl->addWidget(ResetBtn);
    lay->addLayout(rl);

    connect(highlightKeywords, &QCheckBox::toggled, this, [this](bool on) {
        highlightKeywordsSpin->setEnabled(on);
        useColorCB->setEnabled(on);
    });
    connect(AdvancedSectoring, &QCheckBox::toggled, this, [this](bool on) { ShowAdvancedSectoring(on); });
    connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetAdvanced(); });
    return page;
}

QWidget* TSetsDlg_WF::MakeSectoringPage()
{
    auto* page = new QWidget(this);
    distVERSE = Check("Select evenly across chosen VERSES", page);
    distQUESTIONS = Check("Select evenly across available QUESTIONS", page);
    distCHAPTER = Check("Select evenly across chosen CHAPTERS", page);
    distSECTION = Check("Select evenly across available SECTIONS", page);
    ResetBtn2 = new QPushButton(FromUtf8("Reset to Defaults"), page);
    // Shown only as a tab: hidden until then, so that it does not lie over the tab bar.
    page->hide();
    auto* text = new QLabel(
        FromUtf8("The first two rules exclude each other. Evenly across VERSES gives every chosen verse the same "
                 "chance to be drawn, however many questions it has; evenly across QUESTIONS lets a verse with more "
                 "questions be drawn more often, while still spreading a set over the verses.\n\n"
                 "Evenly across CHAPTERS and SECTIONS spreads each set over the chapters and the text sections of "
                 "the material. A small section may then receive more than its share of questions."),
        page);
    text->setWordWrap(true);
    auto* lay = new QVBoxLayout(page);
    for (QCheckBox* cb : {distVERSE, distQUESTIONS, distCHAPTER, distSECTION})
        lay->addWidget(cb);
    lay->addWidget(text);
    lay->addStretch();
    auto* rl = new QHBoxLayout;
    rl->addStretch();
    rl->addWidget(ResetBtn2);
    lay->addLayout(rl);
    connect(distVERSE, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            distQUESTIONS->setChecked(false);
    });
    connect(distQUESTIONS, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            distVERSE->setChecked(false);
    });
    connect(ResetBtn2, &QPushButton::clicked, this, [this] { ResetSectoring(); });
    return page;
}

QWidget* TSetsDlg_WF::MakeAvailableBox()
{
    auto* box = new QGroupBox(FromUtf8("Available Questions"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(FromUtf8("Need"), box), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(FromUtf8("Have"), box), 0, 2, Qt::AlignRight);
    for (int k = 0; k < 4; ++k) {
        grid->addWidget(new QLabel(FromUtf8(KindLabel(k)), box), k + 1, 0);
        NeedLabels[static_cast<std::size_t>(k)] = new QLabel(box);
        HaveLabels[static_cast<std::size_t>(k)] = new QLabel(box);
        NeedLabels[static_cast<std::size_t>(k)]->setAlignment(Qt::AlignRight);
        HaveLabels[static_cast<std::size_t>(k)]->setAlignment(Qt::AlignRight);
        grid->addWidget(NeedLabels[static_cast<std::size_t>(k)], k + 1, 1);
        grid->addWidget(HaveLabels[static_cast<std::size_t>(k)], k + 1, 2);
    }
    grid->addWidget(new QLabel(FromUtf8("Total Needed"), box), 5, 0);
    TotalNeededLabel = new QLabel(box);
    TotalNeededLabel->setAlignment(Qt::AlignRight);
    grid->addWidget(TotalNeededLabel, 5, 1);
    return box;
}

void TSetsDlg_WF::ShowAdvancedSectoring(bool on)
{
    const int at = Pages->indexOf(AdvancedSectoringPage);
    if (on && at < 0)
        Pages->addTab(AdvancedSectoringPage, FromUtf8("Advanced Sectoring"));
    else if (!on && at >= 0)
        Pages->removeTab(at);
}

void TSetsDlg_WF::LoadFromUser()
{
    const TUser& u = *m_context.User;
    const TUserOptions& o = u.Options;
    Frame->LoadFromUser(u);

    try {
        const std::string path = m_context.HistoryPath ? m_context.HistoryPath() : std::string();
        if (!path.empty() && QFileInfo::exists(QString::fromStdString(path)))
            m_history.LoadFromFile(path);
        else
            m_history.Clear();
    } catch (const std::exception& e) {
        m_history.Clear(); // a damaged history is reported and left out of this window's builds
        ReportError(e, m_context.Messages);
    }

    Bonus20Spin->setValue(o.SetsBonus20);
    Bonus30Spin->setValue(o.SetsBonus30);
    Bonus40Spin->setValue(o.SetsBonus40);
    DifficultyCB->setCurrentIndex(std::clamp<int>(o.SetsDifficulty, 0, DifficultyCount - 1));
    highlightKeywords->setChecked(o.SetsHighlightKeywords != 0);
    highlightKeywordsSpin->setValue(o.SetsKeywordLimit);
    highlightKeywordsSpin->setEnabled(highlightKeywords->isChecked());
    useColorCB->setEnabled(highlightKeywords->isChecked());
    FavorDuplicatesCheckBox->setChecked(o.SetsFavorDuplicates != 0);
    underlinePrejumps->setChecked(o.SetsUnderlinePrejumps != 0);
    useColorCB->setChecked(o.UseColor != 0);
    useHistoryCB->setChecked(o.SetsUseHistory != 0);
    updateHistoryCB->setChecked(o.SetsUpdateHistory != 0);
    UseTwoColumns->setChecked(o.SetsTwoColumns != 0);
    distVERSE->setChecked(o.SetsDistVerse != 0);
    distQUESTIONS->setChecked(o.SetsDistQuestions != 0 && o.SetsDistVerse == 0);
    distCHAPTER->setChecked(o.SetsDistChapter != 0);
    distSECTION->setChecked(o.SetsDistSection != 0);
    AdvancedSectoring->setChecked(o.SetsAdvancedSectoring != 0);
    ShowAdvancedSectoring(AdvancedSectoring->isChecked());
}

void TSetsDlg_WF::StoreToUser(const TSetsChoices& c)
{
    TUser& u = *m_context.User;
    TUserOptions& o = u.Options;
    Frame->SaveToUser(u);
    o.SetsCount = c.Sets;
    o.SetsTossUps = c.Counts.PerSet[0];
    o.SetsBonus20 = c.Counts.PerSet[1];
    o.SetsBonus30 = c.Counts.PerSet[2];
    o.SetsBonus40 = c.Counts.PerSet[3];
    o.SetsPercentTargeted = c.PercentTargeted;
    o.SetsTargetSpecific = c.Targeting ? 1 : 0;
    o.SetsDifficulty = static_cast<int>(c.Difficulty);
    o.SetsHighlightKeywords = c.HighlightKeywords ? 1 : 0;
    o.SetsKeywordLimit = c.KeywordLimit;
    o.SetsFavorDuplicates = c.FavourDuplicates ? 1 : 0;
    o.SetsUnderlinePrejumps = c.UnderlinePrejumps ? 1 : 0;
    o.UseColor = useColorCB->isChecked() ? 1 : 0;
    o.SetsUseHistory = c.UseHistory ? 1 : 0;
    o.SetsUpdateHistory = c.UpdateHistory ? 1 : 0;
    o.SetsTwoColumns = c.TwoColumns ? 1 : 0;
    o.SetsAdvancedSectoring = c.AdvancedSectoring ? 1 : 0;
    o.SetsDistVerse = c.Sectoring.Verse ? 1 : 0;
    o.SetsDistQuestions = c.Sectoring.Questions ? 1 : 0;
    o.SetsDistChapter = c.Sectoring.Chapter ? 1 : 0;
    o.SetsDistSection = c.Sectoring.Section ? 1 : 0;
}

int TSetsDlg_WF::QuestionsPerSet() const
{
    return Frame->TossUps() + Bonus20Spin->value() + Bonus30Spin->value() + Bonus40Spin->value();
}

TSetsChoices TSetsDlg_WF::Choices() const
{
    TSetsChoices c;
    Frame->FillChoices(c);
    c.Counts.PerSet = {Frame->TossUps(), Bonus20Spin->value(), Bonus30Spin->value(), Bonus40Spin->value()};
    c.Difficulty = static_cast<TDifficulty>(std::max(0, DifficultyCB->currentIndex()));
    c.HighlightKeywords = highlightKeywords->isChecked();
    c.KeywordLimit = highlightKeywordsSpin->value();
    c.FavourDuplicates = FavorDuplicatesCheckBox->isChecked();
    c.UnderlinePrejumps = underlinePrejumps->isChecked();
    c.UseColour = useColorCB->isChecked() && useColorCB->isEnabled();
    c.UseHistory = useHistoryCB->isChecked();
    c.UpdateHistory = updateHistoryCB->isChecked();
    c.TwoColumns = UseTwoColumns->isChecked();
    c.AdvancedSectoring = AdvancedSectoring->isChecked();
    c.Sectoring = TDistribution{distVERSE->isChecked(), distQUESTIONS->isChecked(), distCHAPTER->isChecked(),
                                distSECTION->isChecked()};
    return c;
}

void TSetsDlg_WF::Restart() { AdequacyTimer->start(); }

void TSetsDlg_WF::CheckAdequacyNow()
{
    const TAdequacy a = CheckSetsAdequacy(*m_context.Questions, Choices());
    for (std::size_t k = 0; k < 4; ++k) {
        NeedLabels[k]->setText(QString::number(a.Needed[k]));
        HaveLabels[k]->setText(QString::number(a.Available[k]));
        HaveLabels[k]->setStyleSheet(ColourStyle(a.Colour[k]));
    }
    TotalNeededLabel->setText(QString::number(a.TotalNeeded));
    TotalNeededLabel->setStyleSheet(ColourStyle(a.TotalColour));
    summaryMemo->setPlainText(QString::fromStdString(a.Summary));
    GenerateBtn->setEnabled(a.CreateEnabled && !Building());
}

void TSetsDlg_WF::ResetAdvanced()
{
    DifficultyCB->setCurrentIndex(static_cast<int>(TDifficulty::Mixed));
    FavorDuplicatesCheckBox->setChecked(false);
    underlinePrejumps->setChecked(false);
    highlightKeywords->setChecked(false);
    const TUserOptions defaults;
    Bonus20Spin->setValue(defaults.SetsBonus20);
    Bonus30Spin->setValue(defaults.SetsBonus30);
    Bonus40Spin->setValue(defaults.SetsBonus40);
    useHistoryCB->setChecked(true);
    updateHistoryCB->setChecked(true);
    AdvancedSectoring->setChecked(false);
}

void TSetsDlg_WF::ResetSectoring()
{
    distVERSE->setChecked(true);
    distQUESTIONS->setChecked(false);
    distCHAPTER->setChecked(true);
    distSECTION->setChecked(false);
}

void TSetsDlg_WF::GenerateBtnClick()
{
    if (Building() || !GenerateBtn->isEnabled())
        return;
    QChar bad;
    if (!ToWin1252(Frame->HeadingText(), &bad)) {
        if (m_context.Messages)
            m_context.Messages->Warning(FromUtf8("The heading cannot be printed with the character \"") + bad
                                        + FromUtf8("\".\rPlease change the heading."));
        return;
    }
    m_building = Choices();
    m_built.reset();
    m_buildError = nullptr;
    m_progress = std::make_unique<TBuildProgress>();
    IRandom& random = m_context.Random ? *m_context.Random : *m_ownRandom;
    const TQuestions& questions = *m_context.Questions;
    m_thread = QThread::create([this, &random, &questions] {
        try {
            m_built = MakeQuestionSets(questions, m_building, m_history, random, m_progress.get());
        } catch (const std::exception&) {
            m_buildError = std::current_exception();
        }
    });
    connect(m_thread, &QThread::finished, this, [this] { Guarded([this] { BuildFinished(); }, m_context.Messages); });
    GenerateBtn->setEnabled(false);
    setCursor(Qt::BusyCursor);
    m_thread->start();

    // A build that runs past half a second shows its progress and can be cancelled.
    const int total = m_building.Sets * m_building.Counts.QuestionsPerSet();
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, [this, total] {
        if (!m_thread)
            return;
        if (!m_progressDlg) {
            m_progressDlg = new QProgressDialog(FromUtf8("Creating question sets..."), FromUtf8("Cancel"), 0,
                                                std::max(1, total), this);
            m_progressDlg->setWindowTitle(FromUtf8("Generate Question Sets"));
            m_progressDlg->setMinimumDuration(0);
            m_progressDlg->setAutoClose(false);
            m_progressDlg->setAutoReset(false);
            connect(m_progressDlg, &QProgressDialog::canceled, this, [this] {
                if (m_progress)
                    m_progress->Cancel = true;
            });
            m_progressDlg->show();
        }
        m_progressDlg->setValue(m_progress->PlacesDone.load());
    });
    QTimer::singleShot(500, m_progressTimer, [this] {
        if (m_progressTimer)
            m_progressTimer->start();
    });
}

void TSetsDlg_WF::BuildFinished()
{
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    delete m_progressTimer;
    m_progressTimer = nullptr;
    delete m_progressDlg;
    m_progressDlg = nullptr;
    unsetCursor();
    const bool cancelled = m_progress && m_progress->Cancel.load();
    std::unique_ptr<TSetsOfQs> sets = std::move(m_built);
    GenerateBtn->setEnabled(true);
    if (m_buildError) {
        ReportError(m_buildError, m_context.Messages);
        return;
    }
    if (cancelled || !m_commandsOnClose.Pending())
        return;
    if (!sets) {
        if (m_context.Messages)
            m_context.Messages->Warning(QString::fromStdString(SetsFailureMessage(m_building.Targeting)));
        return;
    }
    StoreToUser(m_building);
    const TSaveChoice file = AskDocumentFile(m_context, windowTitle(), FromUtf8("MYSETS"));
    if (file.Path.isEmpty())
        return;
    const bool written = Guarded(
        [&] {
            TDocFile doc(file.Rtf ? TDocFormat::Rtf : TDocFormat::Text, m_context.TextEncoding);
            WriteSetDocument(doc, *sets, DocumentOptions(m_building), *m_context.Questions);
            doc.Save(file.Path.toStdString());
            if (m_building.UpdateHistory && m_context.HistoryPath)
                RecordSetsInHistory(*sets, m_building.Sets, m_building.Counts.QuestionsPerSet(), m_history,
                                    *m_context.Questions, m_context.HistoryPath());
        },
        m_context.Messages);
    if (!written)
        return;
    OfferToOpen(m_context, TDocumentKind::QuestionSets, file.Path);
    close();
}

void TSetsDlg_WF::closeEvent(QCloseEvent* event)
{
    if (m_thread) {
        // Closing cancels a build in progress; nothing is written.
        m_progress->Cancel = true;
        m_thread->wait();
        m_thread->disconnect(this);
        delete m_thread;
        m_thread = nullptr;
    }
    event->accept();
    m_commandsOnClose.Give();
}

void TSetsDlg_WF::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKeys(event, GenerateBtn, CancelBtn))
        QWidget::keyPressEvent(event);
}

} // namespace sv
