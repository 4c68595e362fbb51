#include "game/gui/GameDlg.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "game/gui/GameForm.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "material/gui/SelectionFrames.h"
#include "shell/Services.h"
#include "user/User.h"
#include "widgets/ObjectNames.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace sv {

namespace { } // namespace

TfrmGame::TfrmGame(const TStudyContext& context, QWidget* parent) : QWidget(parent)
{
    ChaptersGroupBox = new QGroupBox(FromUtf8("Material selection"), this);
    material = new TfrmMaterialSelection(*context.Books, false, ChaptersGroupBox);
    (new QVBoxLayout(ChaptersGroupBox))->addWidget(material);

    GroupBox1 = new QGroupBox(FromUtf8("Collections to use"), this);
    collections = new TfrmCollections(*context.Questions, context.Messages, GroupBox1);
    (new QVBoxLayout(GroupBox1))->addWidget(collections);

    MemoryVersesRadioGroup = new QGroupBox(FromUtf8("Memory Verses"), this);
    MemoryVersesRadioGroup->setToolTip(FromUtf8("Should memory verses be a category?"));
    memoryChoice = new QButtonGroup(this);
    auto* memLay = new QVBoxLayout(MemoryVersesRadioGroup);
    int id = 0;
    for (const char* item : {"Yes", "No"}) {
        auto* rb = new QRadioButton(FromUtf8(item), MemoryVersesRadioGroup);
        memoryChoice->addButton(rb, id++);
        memLay->addWidget(rb);
    }

    RoundsRadioGroup = new QGroupBox(FromUtf8("Rounds"), this);
    RoundsRadioGroup->setToolTip(FromUtf8("# of rounds of 36 questions"));
    roundsChoice = new QButtonGroup(this);
    auto* roundsLay = new QHBoxLayout(RoundsRadioGroup);
    id = 0;
    for (const char* item : {"1", "2", "3"}) {
        auto* rb = new QRadioButton(FromUtf8(item), RoundsRadioGroup);
        roundsChoice->addButton(rb, id++);
        roundsLay->addWidget(rb);
    }

    PlayersGroupBox = new QGroupBox(FromUtf8("Players"), this);
    auto* playersLay = new QVBoxLayout(PlayersGroupBox);
    int n = 1;
    for (QLineEdit** edit : {&Player1Edit, &Player2Edit, &Player3Edit}) {
        *edit = new QLineEdit(PlayersGroupBox);
        (*edit)->setObjectName(FromUtf8("Player%1Edit").arg(n));
        (*edit)->setToolTip(FromUtf8("Player %1's name").arg(n));
        (*edit)->setPlaceholderText(FromUtf8("Player %1's name").arg(n));
        (*edit)->setMaxLength(100);
        playersLay->addWidget(*edit);
        ++n;
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(ChaptersGroupBox, 0, 0);
    grid->addWidget(GroupBox1, 1, 0);
    auto* choices = new QHBoxLayout;
    choices->addWidget(MemoryVersesRadioGroup);
    choices->addWidget(RoundsRadioGroup);
    grid->addLayout(choices, 2, 0);
    grid->addWidget(PlayersGroupBox, 0, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    NameControls();
}

void TfrmGame::NameControls()
{
    SetObjectNames({{ChaptersGroupBox, "materialBox"},
                    {material, "material"},
                    {GroupBox1, "collectionsBox"},
                    {collections, "collections"},
                    {MemoryVersesRadioGroup, "memoryVersesBox"},
                    {memoryChoice, "memoryChoice"},
                    {RoundsRadioGroup, "roundsBox"},
                    {roundsChoice, "roundsChoice"},
                    {PlayersGroupBox, "playersBox"}});
}

std::array<QString, 3> TfrmGame::PlayerNames() const
{
    return {Player1Edit->text(), Player2Edit->text(), Player3Edit->text()};
}

void TfrmGame::FocusFirstPlayer() { Player1Edit->setFocus(); }
bool TfrmGame::AnyMaterialChecked() const { return material->AnyChecked(); }

int TfrmGame::CheckedCollectionCount() const
{
    int count = 0;
    collections->Chosen(&count);
    return count;
}

TVerseSelection TfrmGame::VerseTable() const { return material->VerseTable(); }
TMemoryVerseSelection TfrmGame::MemoryTable() const { return material->MemoryTable(); }

void TfrmGame::LoadFromUser(const TUser& user)
{
    material->LoadFromUser(user);
    collections->LoadFromUser(user);
    Player1Edit->setText(FromWin1252(user.FullName.text()));
    if (QAbstractButton* b = memoryChoice->button(std::clamp(user.GameMemoryVerses, 0, 1)))
        b->setChecked(true);
    if (QAbstractButton* b = roundsChoice->button(std::clamp(user.GameRounds, 0, 2)))
        b->setChecked(true);
}

void TfrmGame::SaveToUser(TUser& user) const
{
    material->SaveToUser(user);
    collections->SaveToUser(user);
    user.GameMemoryVerses = std::max(0, memoryChoice->checkedId());
    user.GameRounds = std::max(0, roundsChoice->checkedId());
}

TGameDlgStart::TGameDlgStart(const TGameContext& context, QWidget* parent)
    : TStudyDlgStart(context.Study, "Play The One-Way Game", HelpContext, HelpContext, parent), m_gameContext(context)
{
    df = new TfrmGame(m_context, this);
    Finish(df);
    df->LoadFromUser(*m_context.User);
    df->FocusFirstPlayer();
}

void TGameDlgStart::OKBtnClick()
{
    const std::array<QString, 3> typed = df->PlayerNames();
    if (typed[0].trimmed().isEmpty()) {
        Warn("Please enter at least one player's name.");
        return;
    }
    // The scores and the turns are told by name: two players of one name cannot be told apart.
    const QString names[] = {typed[0].trimmed(), typed[1].trimmed(), typed[2].trimmed()};
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b)
            if (!names[a].isEmpty() && names[a].compare(names[b], Qt::CaseInsensitive) == 0) {
                Warn("Two players have the same name. Please give each player a different name.");
                return;
            }
    if (df->CheckedCollectionCount() == 0) {
        Warn("Please select a question collection (or collections) to use.");
        return;
    }
    if (!df->AnyMaterialChecked()) {
        Warn("Please select some material to study.");
        return;
    }
    TUser& user = *m_context.User;
    df->SaveToUser(user);
    m_context.MVList->Build(df->MemoryTable(), MemoryKindQuote, true);
    m_context.QsList->BuildFull(df->VerseTable(), false, user.Collections, 1, false);

    auto* game = new TGameForm(m_gameContext);
    game->SetPlayers(typed[0], typed[1], typed[2]);
    if (game->StartNextRound() <= 0) {
        delete game; // the warning has been shown; the choices stay for another try
        return;
    }
    m_game = game;
    if (m_gameContext.OpenCentred)
        m_gameContext.OpenCentred(game, false);
    else
        game->show();
    CommandsOnClose.Withdraw();
    close();
}

} // namespace sv
