#include "study/gui/StudyDialogs.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "lists/AccToList.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "material/gui/SelectionFrames.h"
#include "shell/ErrorBoundary.h"
#include "shell/Services.h"
#include "study/SessionItems.h"
#include "study/SessionSettings.h"
#include "study/gui/QuestionAsker.h"
#include "user/User.h"
#include "widgets/CheckListCombo.h"
#include "widgets/DialogKeys.h"
#include "widgets/ObjectNames.h"
#include "widgets/TabOrder.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace sv {

namespace {
bool Speech(const TStudyContext& c) { return c.Voice && c.Voice->SpeechAvailable(); }

// Runs its work when the scope ends, on every way out.
class TAtScopeEnd {
public:
    explicit TAtScopeEnd(std::function<void()> work) : m_work(std::move(work)) { }
    ~TAtScopeEnd()
    {
        if (m_work)
            m_work();
    }
    TAtScopeEnd(const TAtScopeEnd&) = delete;
    TAtScopeEnd& operator=(const TAtScopeEnd&) = delete;

private:
    std::function<void()> m_work;
};

// Writes the study choices of own into user through a page of the kind that is never shown:
// what the page's Save writes is exactly what the dialog's OK wrote over.
template <class TPage, class... TArgs>
void PutBackChoices(const TUser& own, TUser& user, TArgs&&... pageArgs)
{
    TPage page(std::forward<TArgs>(pageArgs)..., nullptr);
    page.LoadFromUser(own);
    page.SaveToUser(user);
}
} // namespace

TStudyDlgStart::TStudyDlgStart(const TStudyContext& context, const char* caption, int dialogHelp, int buttonHelp,
                               QWidget* parent)
    : QWidget(parent), CommandsOnClose(context.CommandsOn), m_context(context), m_helpContext(buttonHelp)
{
    setProperty("helpContext", dialogHelp);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8(caption));
    OKBtn = new QPushButton(FromUtf8("OK"), this);
    CancelBtn = new QPushButton(FromUtf8("Cancel"), this);
    helpBtn = new QPushButton(FromUtf8("Help"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { Guarded([this] { OKBtnClick(); }, m_context.Messages); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(helpBtn, &QPushButton::clicked, this, [this] {
        if (m_context.ShowHelp)
            m_context.ShowHelp(m_helpContext);
    });
}

void TStudyDlgStart::Finish(QWidget* page)
{
    // The buttons were made before the page above them: Tab reads the page first.
    PutLastInTabOrder(this, {OKBtn, CancelBtn, helpBtn});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(helpBtn);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(page);
    lay->addLayout(buttons);
    NameControls(page);
    if (m_context.DialogOpen)
        m_context.DialogOpen();
}

void TStudyDlgStart::NameControls(QWidget* page)
{
    SetObjectNames({{OKBtn, "okButton"}, {CancelBtn, "cancelButton"}, {helpBtn, "helpButton"}, {page, "page"}});
}

void TStudyDlgStart::closeEvent(QCloseEvent* event)
{
    event->accept();
    CommandsOnClose.Give();
}

void TStudyDlgStart::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKeys(event, OKBtn, CancelBtn))
        QWidget::keyPressEvent(event);
}

void TStudyDlgStart::Warn(const char* text)
{
    if (m_context.Messages)
        m_context.Messages->Warning(FromUtf8(text));
}

void TStudyDlgStart::OpenSession(TQuestionAsker* session)
{
    m_session = session;
    if (session->Logic().IsEmpty()) {
        // Nothing to ask: say so and stay open rather than show an empty session.
        delete session;
        m_session = nullptr;
        return;
    }
    if (m_context.OpenChild)
        m_context.OpenChild(session, true);
    CommandsOnClose.Withdraw();
    close();
}

// ---- Questions ----

TQsDlgStart::TQsDlgStart(const TStudyContext& context, QWidget* parent)
    : TStudyDlgStart(context, "Study of Questions", 1001, 2020, parent)
{
    df = new TfrmQuestions(*context.Books, *context.Questions, context.Messages, Speech(context), this);
    Finish(df);
    df->LoadFromUser(*m_context.User);
}

void TQsDlgStart::LoadFromTask(const TMaterialChoice& material, const TQuestionChoices& choices)
{
    df->LoadFromTask(material, choices);
}

TQuestionChoices TQsDlgStart::Choices() const { return df->Choices(); }

void TQsDlgStart::OKBtnClick()
{
    const TVerseSelection material = df->VerseTable();
    int collectionCount = 0;
    const TCollectionFlags collections = df->ChosenCollections(&collectionCount);
    const TTypeFlags types = df->ChosenTypes();
    if (material.Selected == 0) {
        Warn("Please select some material to study.");
        return;
    }
    if (collectionCount == 0) {
        Warn("Please select a question collection (or collections) to study.");
        return;
    }
    if (!df->AnyTypeChecked()) {
        Warn("You must choose at least one type of question.");
        return;
    }
    const TQuestions& questions = *m_context.Questions;
    if (!questions.AnyChosenTypeInMaterial(material, collections, types)) {
        Warn("In the sets and chapters chosen, there are no questions of the type selected.\r"
             "Please choose additional types, sets, or chapters.");
        return;
    }
    if (!questions.AnyQuestionInMaterial(material, collections)) {
        Warn("There are no questions in the collections chosen.\r"
             "Please choose additional collections or chapters.");
        return;
    }
    TUser& user = *m_context.User;
    const TUser own = user;
    const TAtScopeEnd putBack(m_keepOwnChoices ? std::function<void()>([&] {
        PutBackChoices<TfrmQuestions>(own, user, *m_context.Books, *m_context.Questions, m_context.Messages,
                                      Speech(m_context));
    })
                                               : nullptr);
    df->SaveToUser(user);
    InitKeywordColours(Tags, user.Options.MarkUniques ? 3 : 0);
    m_context.QsList->BuildForStudy(material);
    const TSessionSettings settings = QuestionSessionSettings(user);
    OpenSession(new TQuestionAsker(m_context, settings,
                                   std::make_unique<TQsListItems>(*m_context.QsList, questions, Tags, settings)));
}

// ---- Memory verses ----

TMemDlgStart::TMemDlgStart(const TStudyContext& context, QWidget* parent)
    : TStudyDlgStart(context, "Study of Memory Verses", 100, 2030, parent)
{
    df = new TfrmMemory(*context.Books, Speech(context), this);
    Finish(df);
    df->LoadFromUser(*m_context.User);
    InitKeywordColours(Tags, 0);
}

void TMemDlgStart::LoadFromTask(const TMaterialChoice& material, const TMemoryChoices& choices)
{
    df->LoadFromTask(material, choices);
}

TMemoryChoices TMemDlgStart::Choices() const { return df->Choices(); }

void TMemDlgStart::OKBtnClick()
{
    if (!df->AnyMaterialChecked()) {
        Warn("Please select some material to study.");
        return;
    }
    TUser& user = *m_context.User;
    const TUser own = user;
    const TAtScopeEnd putBack(m_keepOwnChoices ? std::function<void()>(
                                  [&] { PutBackChoices<TfrmMemory>(own, user, *m_context.Books, Speech(m_context)); })
                                               : nullptr);
    df->SaveToUser(user);
    const TMemoryVerseSelection table = df->MemoryTable();
    m_context.MVList->Build(table, user.MemVerseTypes, false);
    if (m_context.MVList->Count() == 0) {
        if (m_context.Messages)
            m_context.Messages->Information(
                FromUtf8("There are no memory verses in the range of chapters that you selected"));
        return;
    }
    const TSessionSettings settings = MemorySessionSettings(user);
    OpenSession(new TQuestionAsker(m_context, settings,
                                   std::make_unique<TMVListItems>(*m_context.MVList, Tags, settings.KeywordsOnly)));
}

// ---- References ----

TAccToDlgStart::TAccToDlgStart(const TStudyContext& context, QWidget* parent)
    : TStudyDlgStart(context, "Reference work", 1003, 2040, parent)
{
    df = new TfrmAccTo(*context.Books, Speech(context), this);
    Finish(df);
    df->LoadFromUser(*m_context.User);
    InitKeywordColours(Tags, 0);
}

void TAccToDlgStart::LoadFromTask(const TMaterialChoice& material, const TReferenceChoices& choices)
{
    df->LoadFromTask(material, choices);
}

TReferenceChoices TAccToDlgStart::Choices() const { return df->Choices(); }

void TAccToDlgStart::OKBtnClick()
{
    if (!df->AnyMaterialChecked()) {
        Warn("Please select some material to study.");
        return;
    }
    TUser& user = *m_context.User;
    const TUser own = user;
    const TAtScopeEnd putBack(m_keepOwnChoices ? std::function<void()>(
                                  [&] { PutBackChoices<TfrmAccTo>(own, user, *m_context.Books, Speech(m_context)); })
                                               : nullptr);
    df->SaveToUser(user);
    const TVerseSelection table = df->VerseTable();
    m_context.AccToList->Build(table);
    if (m_context.AccToList->Count() == 0) {
        Warn("There are no verses in the material you selected.\rPlease choose other material.");
        return;
    }
    const TSessionSettings settings = ReferenceSessionSettings(user);
    OpenSession(new TQuestionAsker(m_context, settings,
                                   std::make_unique<TAccToListItems>(*m_context.AccToList, *m_context.Books, Tags)));
}

} // namespace sv
