#include "material/gui/SelectionFrames.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "user/User.h"
#include "widgets/AccessibleName.h"
#include "widgets/CheckListCombo.h"
#include "widgets/ObjectNames.h"
#include "widgets/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sv {

namespace {

QRadioButton* Radio(const char* caption, const char* hint, QWidget* parent)
{
    auto* rb = new QRadioButton(FromUtf8(caption), parent);
    if (hint)
        rb->setToolTip(FromUtf8(hint));
    return rb;
}

QCheckBox* Check(const char* caption, const char* hint, QWidget* parent)
{
    auto* cb = new QCheckBox(FromUtf8(caption), parent);
    cb->setToolTip(FromUtf8(hint));
    return cb;
}

QPushButton* SmallButton(const char* caption, const char* hint, QWidget* parent)
{
    auto* b = new QPushButton(FromUtf8(caption), parent);
    b->setToolTip(FromUtf8(hint));
    b->setFixedWidth(24);
    return b;
}

QGroupBox* Group(const char* caption, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(FromUtf8(caption), parent);
    auto* lay = new QVBoxLayout(box);
    lay->setContentsMargins(6, 4, 6, 4);
    lay->addWidget(content);
    return box;
}

} // namespace

int MaterialDropWidth(TSelectionKind kind)
{
    switch (kind) {
    case TSelectionKind::ByChapter:
        return 120;
    case TSelectionKind::ByVerse:
        return 130;
    case TSelectionKind::BySection:
        return 280;
    case TSelectionKind::ByMemory:
        return 150;
    }
    return 120;
}

void FillMaterialList(const TBooks& books, TSelectionKind kind, std::span<const std::uint8_t> flags,
                      TCheckListCombo& list)
{
    list.SetSummaryEnabled(false);
    list.Clear();
    switch (kind) {
    case TSelectionKind::ByChapter:
        books.FillChapterList(list);
        break;
    case TSelectionKind::ByVerse:
        books.FillVerseList(list);
        break;
    case TSelectionKind::BySection:
        books.FillSectionList(list);
        break;
    case TSelectionKind::ByMemory:
        books.FillMemoryVerseList(list);
        break;
    }
    // A store with more items than the selection holds cannot be shown beyond it.
    for (int i = 0; i < list.Count() && i < static_cast<int>(flags.size()); ++i)
        list.SetChecked(i, flags[static_cast<std::size_t>(i)] != 0);
    list.SetSummaryEnabled(true);
    list.SetDropDownWidth(MaterialDropWidth(kind));
}

void SelectAllItems(TCheckListCombo& list, bool on)
{
    list.SetSummaryEnabled(false);
    list.SetAllChecked(on);
    list.SetSummaryEnabled(true);
    list.setFocus();
}

// ---- Material ----

TfrmMaterialSelection::TfrmMaterialSelection(const TBooks& books, bool memoryStudy, QWidget* parent)
    : QWidget(parent), m_books(books), m_memoryStudy(memoryStudy)
{
    byChaptersRB = Radio("Chapter", memoryStudy ? nullptr : "Select material by chapters", this);
    byVersesRB = memoryStudy ? nullptr : Radio("Verses", "Select material by verses", this);
    bySectionsRB = memoryStudy ? Radio("Section", "Select material by text section", this)
                               : Radio("Sections", "Select material by text sections", this);
    byMemoryRB = Radio("Memory", memoryStudy ? nullptr : "Select material by memory verses", this);
    checkList = new TCheckListCombo(this);
    checkList->setToolTip(FromUtf8(memoryStudy ? "Select material" : "Select material to study"));
    SetAccessibleName(checkList, FromUtf8("Material"));
    selectAllMaterialBtn = SmallButton("S", "Select all material", this);
    clearAllMaterialBtn = SmallButton("C", "Clear selections", this);

    auto* radios = new QHBoxLayout;
    for (QRadioButton* rb : {byChaptersRB, byVersesRB, bySectionsRB, byMemoryRB})
        if (rb)
            radios->addWidget(rb);
    radios->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(checkList, 1);
    listRow->addWidget(selectAllMaterialBtn);
    listRow->addWidget(clearAllMaterialBtn);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addLayout(radios);
    lay->addLayout(listRow);

    auto wire = [this](QRadioButton* rb, TSelectionKind kind) {
        if (rb)
            connect(rb, &QRadioButton::toggled, this,
                    [this, kind](bool on) { Guarded([&] { RadioToggled(kind, on); }); });
    };
    wire(byChaptersRB, TSelectionKind::ByChapter);
    wire(byVersesRB, TSelectionKind::ByVerse);
    wire(bySectionsRB, TSelectionKind::BySection);
    wire(byMemoryRB, TSelectionKind::ByMemory);
    connect(selectAllMaterialBtn, &QPushButton::clicked, this, [this] { SelectAllItems(*checkList, true); });
    connect(clearAllMaterialBtn, &QPushButton::clicked, this, [this] { SelectAllItems(*checkList, false); });
    // Told after the frame's own handling, so that a listener reads the list as it now is.
    auto changed = [this] { Q_EMIT Changed(); };
    connect(checkList, &TCheckListCombo::ItemToggled, this, changed);
    connect(selectAllMaterialBtn, &QPushButton::clicked, this, changed);
    connect(clearAllMaterialBtn, &QPushButton::clicked, this, changed);
    for (QRadioButton* rb : {byChaptersRB, byVersesRB, bySectionsRB, byMemoryRB})
        if (rb)
            connect(rb, &QRadioButton::toggled, this, [this](bool on) {
                if (on)
                    Q_EMIT Changed();
            });
    NameControls();
}

void TfrmMaterialSelection::NameControls()
{
    SetObjectNames({{byChaptersRB, "byChapters"},
                    {byVersesRB, "byVerses"},
                    {bySectionsRB, "bySections"},
                    {byMemoryRB, "byMemory"},
                    {checkList, "materialList"},
                    {selectAllMaterialBtn, "selectAllMaterial"},
                    {clearAllMaterialBtn, "clearAllMaterial"}});
}

void TfrmMaterialSelection::CheckAll() { checkList->SetAllChecked(true); }

TSelectionKind TfrmMaterialSelection::Kind() const { return m_working.Kind(); }

void TfrmMaterialSelection::SetRadio(TSelectionKind kind)
{
    m_loading = true;
    byChaptersRB->setChecked(kind == TSelectionKind::ByChapter);
    if (byVersesRB)
        byVersesRB->setChecked(kind == TSelectionKind::ByVerse);
    bySectionsRB->setChecked(kind == TSelectionKind::BySection);
    byMemoryRB->setChecked(kind == TSelectionKind::ByMemory);
    m_loading = false;
}

void TfrmMaterialSelection::LoadFromUser(const TUser& user)
{
    const TUserOptions& o = user.Options;
    TSelectionKind kind;
    if (m_memoryStudy)
        kind = o.ByChapters   ? TSelectionKind::ByChapter
               : o.BySections ? TSelectionKind::BySection
                              : TSelectionKind::ByMemory;
    else
        kind = o.ByChapters   ? TSelectionKind::ByChapter
               : o.BySections ? TSelectionKind::BySection
               : o.ByVerses   ? TSelectionKind::ByVerse
                              : TSelectionKind::ByMemory;
    m_working.Create(user, kind);
    FillMaterialList(m_books, kind, m_working.Flags(kind), *checkList);
    SetRadio(kind);
}

void TfrmMaterialSelection::SaveToUser(TUser& user) const
{
    m_working.RestoreToUser(user);
    const TSelectionKind kind = Kind();
    user.SetSelectionMode(kind);
    TMaterialSelections::StoreChecks(user.SelectionFlags(kind), checkList->CheckedStates());
}

void TfrmMaterialSelection::LoadFromTask(const TMaterialChoice& choice)
{
    TSelectionKind kind = choice.Kind;
    if (m_memoryStudy && kind == TSelectionKind::ByVerse)
        kind = TSelectionKind::ByMemory;
    m_working.StoreList(kind, {});
    FillMaterialList(m_books, kind, {}, *checkList);
    checkList->SetCheckedStates(choice.Items);
    SetRadio(kind);
}

TMaterialChoice TfrmMaterialSelection::Choice() const { return {Kind(), checkList->CheckedStates()}; }

void TfrmMaterialSelection::SwitchTo(TSelectionKind kind)
{
    if (kind == Kind())
        return;
    m_working.StoreList(kind, checkList->CheckedStates());
    FillMaterialList(m_books, kind, m_working.Flags(kind), *checkList);
    SetRadio(kind);
}

void TfrmMaterialSelection::RadioToggled(TSelectionKind kind, bool on)
{
    if (on && !m_loading)
        SwitchTo(kind);
}

bool TfrmMaterialSelection::AnyChecked() const { return checkList->CheckedCount() > 0; }

TVerseSelection TfrmMaterialSelection::VerseTable() const
{
    return VerseTableFromList(m_books, Kind(), checkList->CheckedStates());
}

TMemoryVerseSelection TfrmMaterialSelection::MemoryTable() const
{
    return MemoryTableFromList(m_books, Kind(), checkList->CheckedStates());
}

// ---- Collections ----

TfrmCollections::TfrmCollections(const TQuestions& questions, IMessageService* messages, QWidget* parent)
    : QWidget(parent), m_questions(questions), m_messages(messages)
{
    checkList = new TCheckListCombo(this);
    checkList->setToolTip(FromUtf8("Select material to study"));
    checkList->SetDropDownWidth(110);
    SetAccessibleName(checkList, FromUtf8("Collections"));
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(checkList);
    connect(checkList, &TCheckListCombo::ItemToggled, this,
            [this](int) { Guarded([this] { CheckRequired(); }, m_messages); });
    connect(checkList, &TCheckListCombo::ItemToggled, this, [this] { Q_EMIT Changed(); });
    checkList->setObjectName(QStringLiteral("collectionsList"));
}

void TfrmCollections::CheckAll() { checkList->SetAllChecked(true); }

void TfrmCollections::LoadFromUser(const TUser& user)
{
    m_busy = true;
    checkList->SetSummaryEnabled(false);
    checkList->Clear();
    m_collectionOf.clear();
    for (const TCollectionItem& item : CollectionItems(m_questions, user.Collections)) {
        checkList->AddItem(m_questions.Collection(item.Collection).Name.text());
        checkList->SetChecked(checkList->Count() - 1, item.Checked);
        m_collectionOf.push_back(item.Collection);
    }
    checkList->SetSummaryEnabled(true);
    m_busy = false;
}

std::vector<TCollectionItem> TfrmCollections::Items() const
{
    std::vector<TCollectionItem> items;
    for (int i = 0; i < checkList->Count(); ++i)
        items.push_back({m_collectionOf[static_cast<std::size_t>(i)], checkList->Checked(i)});
    return items;
}

void TfrmCollections::SaveToUser(TUser& user) const
{
    // Collections without questions keep their stored flag.
    for (const TCollectionItem& item : Items())
        user.Collections[item.Collection] = item.Checked ? 1 : 0;
}

TCollectionFlags TfrmCollections::Chosen(int* count) const { return ChosenCollections(Items(), count); }

void TfrmCollections::CheckRequired()
{
    if (m_busy)
        return;
    std::vector<int> uncheck;
    const std::string text = RequiredCollectionsMessage(m_questions, Chosen(), &uncheck);
    m_busy = true;
    for (int c : uncheck)
        for (int i = 0; i < checkList->Count(); ++i)
            if (m_collectionOf[static_cast<std::size_t>(i)] == c)
                checkList->SetChecked(i, false);
    m_busy = false;
    if (!text.empty() && m_messages)
        m_messages->Warning(FromWin1252(text));
}

// ---- Question types ----

TfrmQuestionTypes::TfrmQuestionTypes(bool usesSituation, QWidget* parent)
    : QWidget(parent), m_items(QuestionTypeItems(usesSituation))
{
    checkList = new TCheckListCombo(this);
    checkList->setToolTip(FromUtf8("Select material to study"));
    checkList->SetDropDownWidth(150);
    SetAccessibleName(checkList, FromUtf8("Question types"));
    selectAllBtn = SmallButton("S", "Select all material", this);
    clearAllBtn = SmallButton("C", "Clear selections", this);
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(checkList, 1);
    lay->addWidget(selectAllBtn);
    lay->addWidget(clearAllBtn);
    checkList->SetSummaryEnabled(false);
    for (const TTypeItem& item : m_items)
        checkList->AddItem(item.Text);
    checkList->SetSummaryEnabled(true);
    connect(selectAllBtn, &QPushButton::clicked, this, [this] { SelectAllItems(*checkList, true); });
    connect(clearAllBtn, &QPushButton::clicked, this, [this] { SelectAllItems(*checkList, false); });
    SetObjectNames({{checkList, "typesList"}, {selectAllBtn, "selectAllTypes"}, {clearAllBtn, "clearAllTypes"}});
}

void TfrmQuestionTypes::LoadFromUser(const TUser& user)
{
    checkList->SetSummaryEnabled(false);
    for (std::size_t i = 0; i < m_items.size(); ++i)
        checkList->SetChecked(static_cast<int>(i), user.Options.QuestionTypes[m_items[i].Code] != 0);
    checkList->SetSummaryEnabled(true);
}

void TfrmQuestionTypes::SaveToUser(TUser& user) const
{
    // Codes 0..41 are the list's to set (those it does not show are cleared); 42..44 stay.
    for (int code = 0; code <= TypeContext; ++code)
        user.Options.QuestionTypes[code] = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        user.Options.QuestionTypes[m_items[i].Code] = checkList->Checked(static_cast<int>(i)) ? 1 : 0;
}

TTypeFlags TfrmQuestionTypes::ChosenTypes() const
{
    TTypeFlags flags{"chosen types"};
    for (std::size_t i = 0; i < m_items.size(); ++i)
        flags[m_items[i].Code] = checkList->Checked(static_cast<int>(i)) ? 1 : 0;
    return flags;
}

bool TfrmQuestionTypes::AnyTypeChecked() const { return checkList->CheckedCount() > 0; }

// ---- Number of questions ----

TfrmNumberOfQuestions::TfrmNumberOfQuestions(QWidget* parent) : QWidget(parent)
{
    AllInRangeRB = Radio("All available", "Select all available questions", this);
    LimitRB = Radio("Limit to ...", "Study limited number of questions", this);
    MaxNumberSpin = new TSpinEdit(1, 1000, this);
    MaxNumberSpin->setToolTip(FromUtf8("# of questions to study"));
    SetAccessibleName(MaxNumberSpin, FromUtf8("Number of questions"));
    auto* lay = new QGridLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(AllInRangeRB, 0, 0);
    lay->addWidget(LimitRB, 1, 0);
    lay->addWidget(MaxNumberSpin, 1, 1);
    connect(LimitRB, &QRadioButton::toggled, MaxNumberSpin, &QWidget::setEnabled);
    MaxNumberSpin->setEnabled(false);
    SetObjectNames({{AllInRangeRB, "allAvailable"}, {LimitRB, "limit"}, {MaxNumberSpin, "maxNumber"}});
}

void TfrmNumberOfQuestions::Load(const TNumberChoice& c)
{
    LimitRB->setChecked(c.LimitNumber);
    MaxNumberSpin->setEnabled(c.LimitNumber);
    MaxNumberSpin->setValue(c.MaxQuestions);
    if (c.AllAvailable)
        AllInRangeRB->setChecked(true);
    MaxNumberSpin->setEnabled(LimitRB->isChecked());
}

TNumberChoice TfrmNumberOfQuestions::Choice() const
{
    return {AllInRangeRB->isChecked(), LimitRB->isChecked(), MaxNumberSpin->value()};
}

// ---- Mixed / Timed / Prejump ----

TfrmMixTimedPrejump::TfrmMixTimedPrejump(bool speechAvailable, QWidget* parent)
    : QWidget(parent), m_speech(speechAvailable)
{
    MixedCheckBox = Check("Mixed", "Order of verses will be random", this);
    TimedCheckBox = Check("Timed", "Limit answers to 30 seconds", this);
    PrejumpCheckBox = Check("Prejump", "Question will slowly unfold rather than all at once", this);
    prejumpText = Radio("Text", "Question is displayed letter-by-letter", this);
    prejumpSpoken = Radio("Spoken", "Question will be read audibly", this);
    auto* lay = new QGridLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(MixedCheckBox, 0, 0);
    lay->addWidget(TimedCheckBox, 1, 0);
    lay->addWidget(PrejumpCheckBox, 2, 0);
    lay->addWidget(prejumpText, 2, 1);
    lay->addWidget(prejumpSpoken, 2, 2);
    connect(PrejumpCheckBox, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    prejumpText->setChecked(true);
    UpdateEnabling();
    SetObjectNames({{MixedCheckBox, "mixed"},
                    {TimedCheckBox, "timed"},
                    {PrejumpCheckBox, "prejump"},
                    {prejumpText, "prejumpText"},
                    {prejumpSpoken, "prejumpSpoken"}});
}

void TfrmMixTimedPrejump::UpdateEnabling()
{
    prejumpText->setEnabled(PrejumpCheckBox->isChecked());
    prejumpSpoken->setEnabled(PrejumpCheckBox->isChecked() && m_speech);
}

void TfrmMixTimedPrejump::Load(const TModeChoice& c)
{
    MixedCheckBox->setChecked(c.Mixed);
    TimedCheckBox->setChecked(c.Timed);
    PrejumpCheckBox->setChecked(c.Prejump);
    if (m_speech && c.PrejumpSpoken)
        prejumpSpoken->setChecked(true);
    else
        prejumpText->setChecked(true);
    UpdateEnabling();
}

TModeChoice TfrmMixTimedPrejump::Choice() const
{
    return {MixedCheckBox->isChecked(), TimedCheckBox->isChecked(), PrejumpCheckBox->isChecked(),
            prejumpSpoken->isChecked()};
}

// ---- The question study page ----

TfrmQuestions::TfrmQuestions(const TBooks& books, const TQuestions& questions, IMessageService* messages,
                             bool speechAvailable, QWidget* parent)
    : QWidget(parent)
{
    Material = new TfrmMaterialSelection(books, false, this);
    Collections = new TfrmCollections(questions, messages, this);
    Number = new TfrmNumberOfQuestions(this);
    Types = new TfrmQuestionTypes(questions.UsesSituation(), this);
    Modes = new TfrmMixTimedPrejump(speechAvailable, this);
    KeywordCheckBox = Check("Keyword targeting", "Show only first few words of question", this);
    KeywordTargetSpin = new TSpinEdit(0, 9, this);
    KeywordTargetSpin->setToolTip(FromUtf8("No. of words past keyword to show"));
    SetAccessibleName(KeywordTargetSpin, FromUtf8("Words shown past the keyword"));
    UniquesCheckBox = Check("Mark uniques", "1- 2- and 3- time used words colored", this);

    auto* options = new QWidget(this);
    auto* opt = new QGridLayout(options);
    opt->setContentsMargins(0, 0, 0, 0);
    opt->addWidget(Modes, 0, 0, 1, 2);
    opt->addWidget(KeywordCheckBox, 1, 0);
    opt->addWidget(KeywordTargetSpin, 1, 1);
    opt->addWidget(UniquesCheckBox, 2, 0);

    auto* lay = new QGridLayout(this);
    lay->addWidget(Group("Material selection", Material, this), 0, 0);
    lay->addWidget(Group("Collections to use", Collections, this), 0, 1);
    lay->addWidget(Group("Number of questions", Number, this), 1, 0);
    lay->addWidget(Group("Question types", Types, this), 1, 1);
    lay->addWidget(Group("Options", options, this), 2, 0, 1, 2);
    connect(KeywordCheckBox, &QCheckBox::toggled, KeywordTargetSpin, &QWidget::setEnabled);
    KeywordTargetSpin->setEnabled(false);
    SetObjectNames({{Material, "material"},
                    {Collections, "collections"},
                    {Number, "number"},
                    {Types, "types"},
                    {Modes, "modes"},
                    {KeywordCheckBox, "keywordTargeting"},
                    {KeywordTargetSpin, "keywordTarget"},
                    {UniquesCheckBox, "markUniques"}});
}

TMaterialChoice TfrmQuestions::MaterialChoice() const { return Material->Choice(); }
bool TfrmQuestions::AnyMaterialChecked() const { return Material->AnyChecked(); }
TVerseSelection TfrmQuestions::VerseTable() const { return Material->VerseTable(); }
TCollectionFlags TfrmQuestions::ChosenCollections(int* count) const { return Collections->Chosen(count); }
TTypeFlags TfrmQuestions::ChosenTypes() const { return Types->ChosenTypes(); }
bool TfrmQuestions::AnyTypeChecked() const { return Types->AnyTypeChecked(); }

void TfrmQuestions::HideCollectionsAndTypes()
{
    Collections->parentWidget()->hide();
    Types->parentWidget()->hide();
}

void TfrmQuestions::LoadChoices(const TQuestionChoices& c)
{
    Number->Load(c.Number);
    Modes->Load(c.Modes);
    KeywordCheckBox->setChecked(c.KeywordTargeting);
    KeywordTargetSpin->setValue(c.KeywordTargetWords);
    KeywordTargetSpin->setEnabled(c.KeywordTargeting);
    UniquesCheckBox->setChecked(c.MarkUniques);
}

TQuestionChoices TfrmQuestions::Choices() const
{
    TQuestionChoices c;
    c.Number = Number->Choice();
    c.Modes = Modes->Choice();
    c.KeywordTargeting = KeywordCheckBox->isChecked();
    c.KeywordTargetWords = KeywordTargetSpin->value();
    c.MarkUniques = UniquesCheckBox->isChecked();
    return c;
}

void TfrmQuestions::LoadFromUser(const TUser& user)
{
    Material->LoadFromUser(user);
    Collections->LoadFromUser(user);
    Types->LoadFromUser(user);
    LoadChoices(QuestionChoicesOf(user));
}

void TfrmQuestions::SaveToUser(TUser& user) const
{
    Material->SaveToUser(user);
    Collections->SaveToUser(user);
    Types->SaveToUser(user);
    StoreQuestionChoices(user, Choices());
}

void TfrmQuestions::LoadFromTask(const TMaterialChoice& material, const TQuestionChoices& c)
{
    Material->LoadFromTask(material);
    LoadChoices(c);
}

// ---- The memory-verse study page ----

TfrmMemory::TfrmMemory(const TBooks& books, bool speechAvailable, QWidget* parent) : QWidget(parent)
{
    Material = new TfrmMaterialSelection(books, true, this);
    // Made in reading order, which Tab follows: the number and the verse types side by side,
    // then the options below them.
    Number = new TfrmNumberOfQuestions(this);
    MemoryTypesRadioGroup = new QGroupBox(FromUtf8("Verse types"), this);
    MemoryTypesRadioGroup->setToolTip(FromUtf8("Choose type of questions to ask"));
    auto* types = new QVBoxLayout(MemoryTypesRadioGroup);
    const char* names[3] = {"Finish this verse", "Quote", "Both of above"};
    for (int i = 0; i < 3; ++i) {
        MemoryTypes[i] = new QRadioButton(FromUtf8(names[i]), MemoryTypesRadioGroup);
        types->addWidget(MemoryTypes[i]);
    }
    KeywordsCheckBox = Check("Keywords only", "Only show first words that make verse unique", this);
    TypeVerseCheckBox = Check("Type the verse", "Type your recitation; the answer shows what you missed", this);
    Modes = new TfrmMixTimedPrejump(speechAvailable, this);
    auto* options = new QWidget(this);
    auto* opt = new QVBoxLayout(options);
    opt->setContentsMargins(0, 0, 0, 0);
    opt->addWidget(KeywordsCheckBox);
    opt->addWidget(TypeVerseCheckBox);
    opt->addWidget(Modes);

    auto* lay = new QGridLayout(this);
    lay->addWidget(Group("Material selection", Material, this), 0, 0, 1, 2);
    lay->addWidget(Group("Number of verses", Number, this), 1, 0);
    lay->addWidget(MemoryTypesRadioGroup, 1, 1);
    lay->addWidget(Group("Options", options, this), 2, 0, 1, 2);
    SetObjectNames({{Material, "material"},
                    {Number, "number"},
                    {Modes, "modes"},
                    {KeywordsCheckBox, "keywordsOnly"},
                    {TypeVerseCheckBox, "typeVerse"},
                    {MemoryTypesRadioGroup, "verseTypes"},
                    {MemoryTypes[0], "finishVerse"},
                    {MemoryTypes[1], "quote"},
                    {MemoryTypes[2], "finishAndQuote"}});
}

TMaterialChoice TfrmMemory::MaterialChoice() const { return Material->Choice(); }
bool TfrmMemory::AnyMaterialChecked() const { return Material->AnyChecked(); }
TMemoryVerseSelection TfrmMemory::MemoryTable() const { return Material->MemoryTable(); }

int TfrmMemory::VerseTypes() const
{
    for (int i = 0; i < 3; ++i)
        if (MemoryTypes[i]->isChecked())
            return i;
    return -1;
}

void TfrmMemory::LoadChoices(const TMemoryChoices& c)
{
    Number->Load(c.Number);
    Modes->Load(c.Modes);
    KeywordsCheckBox->setChecked(c.KeywordsOnly);
    TypeVerseCheckBox->setChecked(c.TypeVerse);
    // A value outside the three choices (a damaged user file) shows "Both of above".
    const int types =
        c.VerseTypes >= MemoryKindFinish && c.VerseTypes <= MemoryKindBoth ? c.VerseTypes : MemoryKindBoth;
    for (int i = 0; i < 3; ++i)
        MemoryTypes[i]->setChecked(i == types);
}

TMemoryChoices TfrmMemory::Choices() const
{
    TMemoryChoices c;
    c.Number = Number->Choice();
    c.Modes = Modes->Choice();
    c.KeywordsOnly = KeywordsCheckBox->isChecked();
    c.TypeVerse = TypeVerseCheckBox->isChecked();
    c.VerseTypes = VerseTypes();
    return c;
}

void TfrmMemory::LoadFromUser(const TUser& user)
{
    Material->LoadFromUser(user);
    LoadChoices(MemoryChoicesOf(user));
}

void TfrmMemory::SaveToUser(TUser& user) const
{
    Material->SaveToUser(user);
    StoreMemoryChoices(user, Choices());
}

void TfrmMemory::LoadFromTask(const TMaterialChoice& material, const TMemoryChoices& c)
{
    Material->LoadFromTask(material);
    LoadChoices(c);
}

// ---- The reference study page ----

TfrmAccTo::TfrmAccTo(const TBooks& books, bool speechAvailable, QWidget* parent) : QWidget(parent)
{
    Material = new TfrmMaterialSelection(books, false, this);
    Number = new TfrmNumberOfQuestions(this);
    Modes = new TfrmMixTimedPrejump(speechAvailable, this);
    auto* lay = new QGridLayout(this);
    lay->addWidget(Group("Material selection", Material, this), 0, 0, 1, 2);
    lay->addWidget(Group("Number of questions", Number, this), 1, 0);
    lay->addWidget(Group("Options", Modes, this), 1, 1);
    SetObjectNames({{Material, "material"}, {Number, "number"}, {Modes, "modes"}});
}

TMaterialChoice TfrmAccTo::MaterialChoice() const { return Material->Choice(); }
bool TfrmAccTo::AnyMaterialChecked() const { return Material->AnyChecked(); }
TVerseSelection TfrmAccTo::VerseTable() const { return Material->VerseTable(); }

void TfrmAccTo::LoadChoices(const TReferenceChoices& c)
{
    Number->Load(c.Number);
    Modes->Load(c.Modes);
}

TReferenceChoices TfrmAccTo::Choices() const { return {Number->Choice(), Modes->Choice()}; }

void TfrmAccTo::LoadFromUser(const TUser& user)
{
    Material->LoadFromUser(user);
    LoadChoices(ReferenceChoicesOf(user));
}

void TfrmAccTo::SaveToUser(TUser& user) const
{
    Material->SaveToUser(user);
    StoreReferenceChoices(user, Choices());
}

void TfrmAccTo::LoadFromTask(const TMaterialChoice& material, const TReferenceChoices& c)
{
    Material->LoadFromTask(material);
    LoadChoices(c);
}

} // namespace sv
