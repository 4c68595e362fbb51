#include "game/gui/GameQuestionAsker.h"

#include "common/Utf8Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace sv {

// The game's question as the session sees it: the texts of the cell picked last.
class TGameItems final : public ISessionItems {
public:
    explicit TGameItems(const IGameMaterial& material) : m_material(material) { }
    int TotalCount() const override { return 1; }
    void LoadNext(bool, TMarkedText& question, TMarkedText& answer) override
    {
        question = m_question;
        answer = m_answer;
    }
    void MarkRight() override { }
    void MarkWrong() override { }
    TStudyPassage Passage() const override { return m_material.Passage(m_cell); }

    void Set(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell)
    {
        m_question = question;
        m_answer = answer;
        m_cell = cell;
    }

private:
    const IGameMaterial& m_material;
    TMarkedText m_question;
    TMarkedText m_answer;
    TGameCell m_cell;
};

namespace {
TSessionSettings GameSettings()
{
    TSessionSettings s;
    s.Kind = TAskerKind::Game;
    s.Timed = true;
    return s;
}
} // namespace

TGameQuestionAsker::TGameQuestionAsker(const TStudyContext& context, const IGameMaterial& material,
                                       std::function<void(bool right)> grade, QWidget* parent)
    : TQuestionAsker(context, GameSettings(), std::make_unique<TGameItems>(material), parent), m_grade(std::move(grade))
{
    m_gameItems = static_cast<TGameItems*>(&Logic().Items());
    m_stake = new QLabel(this);
    m_stake->setObjectName(FromUtf8("StakeLabel"));
    m_stake->setAlignment(Qt::AlignCenter);
    QFont bold = m_stake->font();
    bold.setBold(true);
    m_stake->setFont(bold);
    AddBelowClock(m_stake);
}

void TGameQuestionAsker::ShowNextQuestion(const TMarkedText& question, const TMarkedText& answer, const TGameCell& cell,
                                          int stake, TGameStake kind)
{
    m_gameItems->Set(question, answer, cell);
    m_stake->setText((kind == TGameStake::Wager ? FromUtf8("Wager: %1 points") : FromUtf8("For %1 points")).arg(stake));
    setEnabled(true);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->setEnabled(true);
        if (sub->isMinimized())
            sub->showNormal();
        sub->raise();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    }
    Logic().ShowGameQuestion();
    FocusStartStop();
}

void TGameQuestionAsker::GameRight()
{
    if (m_grade)
        m_grade(true);
}

void TGameQuestionAsker::GameWrong()
{
    if (m_grade)
        m_grade(false);
}

void TGameQuestionAsker::MinimiseSelf()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->showMinimized();
    else
        showMinimized();
}

} // namespace sv
