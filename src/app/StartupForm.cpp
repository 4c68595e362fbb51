#include "app/StartupForm.h"

#include "app/MainForm.h"
#include "app/TipOfDayForm.h"
#include "common/Errors.h"
#include "common/Win1252.h"
#include "content/Questions.h"
#include "goals/Tasks.h"
#include "program/UserNames.h"
#include "shell/ErrorBoundary.h"
#include "user/ProgressCarry.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"
#include "widgets/AccessibleName.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

void CloseChildWindow(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

TStartupForm::TStartupForm(TMainForm& main) : m_main(main)
{
    setObjectName(QStringLiteral("StartupForm"));
    setWindowTitle(QStringLiteral("Select User"));
    setProperty("helpContext", HelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* prompt = new QLabel(QStringLiteral("Enter your first name or select a name already in the list."), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* row = new QHBoxLayout;
    SelectNameComboBox = new QComboBox(this);
    SelectNameComboBox->setObjectName(QStringLiteral("SelectNameComboBox"));
    SelectNameComboBox->setEditable(true);
    SelectNameComboBox->setInsertPolicy(QComboBox::NoInsert);
    SelectNameComboBox->setMaxVisibleItems(4);
    SelectNameComboBox->setMinimumWidth(180);
    SetAccessibleName(SelectNameComboBox, QStringLiteral("Your first name"));
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    CancelBtn->setVisible(main.User().IsChosen());
    row->addWidget(SelectNameComboBox, 1);
    row->addWidget(OKBtn);
    row->addWidget(CancelBtn);
    layout->addLayout(row);
    setFixedWidth(CancelBtn->isVisibleTo(this) ? 380 : 300);
    connect(OKBtn, &QPushButton::clicked, this, &TStartupForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TStartupForm::CancelBtnClick);
    connect(SelectNameComboBox->lineEdit(), &QLineEdit::returnPressed, this, &TStartupForm::OKBtnClick);

    main.OpenChild(this, TMainForm::TPlacement::Cascaded,
                   Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint);

    if (SaveCurrentUser())
        for (const std::string& name : ListUserNames(main.UsersDir()))
            SelectNameComboBox->addItem(FromWin1252(name));
    SelectNameComboBox->setCurrentIndex(-1);
    SelectNameComboBox->setEditText(QString::fromLatin1(SelectNamePrompt));
    const QString last = main.Settings().LastUser;
    for (int i = 0; !last.isEmpty() && i < SelectNameComboBox->count(); ++i)
        if (SelectNameComboBox->itemText(i).compare(last, Qt::CaseInsensitive) == 0)
            SelectNameComboBox->setCurrentIndex(i);
    // The prompt is selected so that typing a name replaces it.
    SelectNameComboBox->lineEdit()->selectAll();
    SelectNameComboBox->setFocus();
}

std::vector<std::string> TStartupForm::ListedNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < SelectNameComboBox->count(); ++i)
        names.push_back(ToWin1252(SelectNameComboBox->itemText(i)).value_or(std::string()));
    return names;
}

void TStartupForm::OKBtnClick()
{
    if (m_done)
        return;
    QChar bad;
    const std::optional<std::string> typed = ToWin1252(SelectNameComboBox->currentText(), &bad);
    if (!typed) {
        // Names are kept in Windows-1252, as every file of the program: say what can be used.
        m_main.Messages().Warning(
            QStringLiteral("A name cannot contain \u201C%1\u201D. Names can use the letters A to Z "
                           "and the accented letters of Western European languages "
                           "(such as \u00E9, \u00EB, \u00F1, \u00DF).")
                .arg(bad));
        return;
    }
    Guarded([&] { Choose(*typed); }, &m_main.Messages());
}

void TStartupForm::CancelBtnClick()
{
    // Only while a person is chosen: they stay, with their windows.
    if (m_done || !m_main.User().IsChosen())
        return;
    m_done = true;
    m_main.CmdStart->setEnabled(true);
    CloseChildWindow(this);
}

void TStartupForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelBtnClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TStartupForm::Choose(const std::string& typed)
{
    // The name is kept without the blanks around it: the game compares its players with it.
    const std::string typedText = TrimName(typed);
    const TNameResolution r = ResolveTypedName(typedText, ListedNames());
    TUser& user = m_main.User();
    if (r.Action == TNameAction::AskForName) {
        m_main.Messages().Warning(QStringLiteral("Please enter your name."));
        return;
    }
    // The study commands stay open while this window is shown after "New User...": what the
    // previous person studied meanwhile is saved before their record is replaced.
    if (!SaveCurrentUser())
        return;
    switch (r.Action) {
    case TNameAction::AskForName:
        return;
    case TNameAction::LoadListed: {
        // A short file leaves the fields it does not reach at their defaults, never at the
        // previous person's values; a file that cannot be read changes nothing.
        const bool loaded = Guarded(
            [&] {
                TUser read;
                read.Reset(m_main.Questions().UsesSituation(), m_main.Assistant().AssistantAvailable());
                read.LoadFromFile(UserFilePath(m_main.UsersDir(), r.FileName));
                m_main.ClosePersonChildren();
                user = read;
            },
            &m_main.Messages());
        if (!loaded)
            return;
        // A damaged task list is reported and started empty; the person is loaded anyway.
        Guarded([&] { m_main.Tasks().LoadFromFile(TaskFilePath(m_main.UsersDir(), r.FileName)); }, &m_main.Messages());
        FollowChangedQuestions(r.FileName);
        break;
    }
    case TNameAction::AskNew:
        if (!m_main.Messages().Confirm(
                QStringLiteral("I do not have you listed in my records.\rHave you spelled your name correctly?")))
            return;
        SelectNameComboBox->addItem(FromWin1252(r.FileName));
        m_main.ClosePersonChildren();
        user.Reset(m_main.Questions().UsesSituation(), m_main.Assistant().AssistantAvailable());
        user.FullName.setText(typedText.substr(0, MaxNameLength));
        user.FileName.setText(r.FileName.substr(0, MaxNameLength));
        m_main.Tasks().Clear();
        // The new person's file exists at once, not only after the first exit, and so does the
        // table of the questions their results will be written against.
        if (m_main.SaveStudyResults() && m_main.PortionKeys().Keys)
            Guarded(
                [&] {
                    const std::string userFile = UserFilePath(m_main.UsersDir(), r.FileName);
                    m_main.PortionKeys().Keys->SaveToFile(
                        PersonFilesOf(userFile, m_main.UsersDir(), r.FileName).KeysFile);
                },
                &m_main.Messages());
        break;
    }

    m_main.UM_COMMANDSON();
    m_main.UM_USERREADY();
    TSounds& sounds = m_main.Sounds();
    sounds.SetVoice(user.VoiceName.text());
    sounds.SelectPersonality(user.PersonalityName.text());
    if (sounds.SpeechAvailable())
        sounds.Speak("Welcome back " + typedText + ". Are you ready to begin?", false, TSpeechKind::Greeting);
    if (user.Options.ShowTips) {
        new TTipOfDayForm(m_main);
        m_main.CmdTipOfTheDay->setEnabled(false);
    }
    std::string caption = "The Scrivolt welcomes " + user.FullName.text();
    if (caption.size() > 124)
        caption.resize(124);
    m_main.SetCaption(FromWin1252(caption));
    m_main.Settings().LastUser = FromWin1252(user.FileName.text());
    m_main.Settings().Save();
    m_done = true;
    CloseChildWindow(this);
}

void TStartupForm::FollowChangedQuestions(const std::string& fileName)
{
    const TPortionKeys& portion = m_main.PortionKeys();
    if (!portion.Keys) {
        if (!portion.Problem.empty())
            m_main.Messages().Warning(FromWin1252(portion.Problem));
        return;
    }
    Guarded(
        [&] {
            const std::string userFile = UserFilePath(m_main.UsersDir(), fileName);
            const QDate today = m_main.Services().Clock ? m_main.Services().Clock->Now().date() : QDate::currentDate();
            const TCarryReport report =
                FollowQuestions(*portion.Keys, PersonFilesOf(userFile, m_main.UsersDir(), fileName), m_main.User(),
                                today.toString(QStringLiteral("yyyy-MM-dd")).toStdString());
            if (!report.Message().empty())
                m_main.Messages().Information(QString::fromStdString(report.Message()));
        },
        &m_main.Messages());
}

bool TStartupForm::SaveCurrentUser() { return !m_main.User().IsChosen() || m_main.SaveStudyResults(); }

void TStartupForm::closeEvent(QCloseEvent* event)
{
    // The window closes only once a user is chosen.
    if (m_done)
        event->accept();
    else
        event->ignore();
}

} // namespace sv
