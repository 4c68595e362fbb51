// The main window's portion: which one opens at start, loading one, and changing to another.

#include "app/MainForm.h"

#include "common/Errors.h"
#include "common/LeStream.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "goals/Tasks.h"
#include "portion/PortionChoice.h"
#include "portion/gui/PortionDlg.h"
#include "shell/ErrorBoundary.h"
#include "user/User.h"
#include "voice/Assistant.h"
#include "voice/Sounds.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace sv {

namespace {
bool SameFolder(const std::string& a, const std::string& b)
{
    return QDir(QString::fromStdString(a)).absolutePath() == QDir(QString::fromStdString(b)).absolutePath();
}
// The bytes of a content file.
std::vector<std::uint8_t> ContentBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

// Loads the three stores from the bytes of "wf.wl", "wf.bk" and "wf.qs" (named by their paths).
void LoadStores(TWords& words, TBooks& books, TQuestions& questions,
                const std::array<const std::vector<std::uint8_t>*, 3>& bytes, const std::array<std::string, 3>& names)
{
    TStreamReader w(*bytes[0], names[0]);
    words.LoadFromStream(w);
    TStreamReader b(*bytes[1], names[1]);
    books.LoadFromStream(b);
    TStreamReader q(*bytes[2], names[2]);
    questions.LoadFromStream(q);
}

TContentPlaces PlacesOf(const TProgramPaths& paths, const TPortionInfo& portion)
{
    return ContentPlacesOf(paths, portion.Shipped() ? std::string(ShippedPortionId) : portion.Id);
}
} // namespace

TPortionInfo TMainForm::ShippedPortion() const
{
    try {
        return PortionAt(m_paths.ProgramDir, true);
    } catch (const std::exception& e) {
        // A damaged description does not keep the program from its own content.
        std::fprintf(stderr, "%s\n", e.what());
        TPortionInfo shipped;
        shipped.Dir = m_paths.ProgramDir;
        return shipped;
    }
}

void TMainForm::LoadFirstPortion()
{
    std::string wanted;
    if (!m_paths.PortionDir.empty() && !SameFolder(m_paths.PortionDir, m_paths.ProgramDir))
        wanted = m_paths.PortionDir;
    else if (!m_settings.Portion.isEmpty())
        wanted = m_settings.Portion.toStdString();
    if (!wanted.empty()) {
        try {
            LoadPortion(PortionAt(wanted, false));
            return;
        } catch (const std::exception& e) {
            ReportError(EPortionError(e.what() + std::string("\rThe program opens its own portion instead.")),
                        m_services.Messages);
            if (!m_settings.Portion.isEmpty()) {
                m_settings.Portion.clear();
                m_settings.Save();
            }
        }
    }
    LoadPortion(ShippedPortion());
}

TContentPlaces TMainForm::ContentPlaces() const { return PlacesOf(m_paths, m_portion); }

void TMainForm::LoadPortion(const TPortionInfo& portion)
{
    TProgramPaths paths = m_paths;
    UsePortion(paths, portion);
    // A coach's rebuild of the portion, where the program keeps it, else the portion's own files.
    const std::string dir = ContentDirToLoad(paths, PlacesOf(paths, portion));
    const std::string wl = dir + "wf.wl", bk = dir + "wf.bk", qs = dir + "wf.qs";
    const std::vector<std::uint8_t> wlBytes = ContentBytes(wl), bkBytes = ContentBytes(bk), qsBytes = ContentBytes(qs);
    // First into stores of their own: a file that does not load leaves the portion open as it was.
    {
        auto words = std::make_unique<TWords>();
        auto books = std::make_unique<TBooks>(*words);
        auto questions = std::make_unique<TQuestions>(*words, *books);
        LoadStores(*words, *books, *questions, {&wlBytes, &bkBytes, &qsBytes}, {wl, bk, qs});
    }
    if (!QDir().mkpath(QString::fromStdString(paths.PersonDir)))
        ThrowCannotCreate(paths.PersonDir);

    // Then the same bytes into the program's own stores: the working lists of the commands keep
    // them by reference, so they are filled anew rather than replaced.
    LoadStores(*m_words, *m_books, *m_questions, {&wlBytes, &bkBytes, &qsBytes}, {wl, bk, qs});
    m_portionKeys = LoadPortionKeys(dir + "wf.qid", qs);
    m_contentDir = dir;
    m_paths = std::move(paths);
    m_portion = portion;
    SetCaption(QStringLiteral("The Scrivolt"));
}

bool TMainForm::SwitchPortion(const TPortionInfo& portion)
{
    if (!CloseChildren() || !SaveStudyResults(TReport::Show))
        return false;
    // What is left (the user selection, hidden windows) refers to the content open: it goes.
    for (const QPointer<QMdiSubWindow>& w : ChildList())
        delete w.data();
    try {
        LoadPortion(portion);
    } catch (const std::exception& e) {
        ReportError(e, m_services.Messages);
        if (!m_user->IsChosen())
            OpenUserSelection();
        return false;
    }
    m_user->Reset(m_questions->UsesSituation(), m_assistant->AssistantAvailable());
    m_tasks->Clear();
    m_settings.Portion = portion.Shipped() ? QString() : QString::fromStdString(portion.Dir);
    m_settings.Save();
    TurnCommandsOff();
    OpenUserSelection();
    return true;
}

void TMainForm::SetCaption(const QString& caption)
{
    const QString& name = m_portion.Text.Name;
    setWindowTitle(name.isEmpty() ? caption : caption + QStringLiteral(" - ") + name);
}

void TMainForm::TurnCommandsOff()
{
    m_commandsOn = false;
    for (QAction* a : {CmdStart,        CmdUpgrade,      CmdQuestions,     CmdMemory,     CmdReferenceWork, CmdGame,
                       CmdWallOfFame,   CmdQuestionSets, CmdQuestionLists, CmdMemoryList, CmdConcordance,   CmdProgress,
                       CmdTeamProgress, CmdImportPerson, CmdExportPerson,  CmdEdit,       CmdGoals,         CmdSpeech,
                       CmdViewScrivolt, CmdGoalCoach,    CmdAssistant})
        a->setEnabled(false);
}

void TMainForm::CreatePortionCommand(QMenu* file)
{
    m_portionFolders = PortionSearchDirs(m_paths, StandardPerUserFolders());
    CmdPortion = new QAction(QStringLiteral("&Portion..."), this);
    CmdPortion->setObjectName(QStringLiteral("CmdPortion"));
    CmdPortion->setToolTip(QStringLiteral("Open another portion"));
    CmdPortion->setStatusTip(QStringLiteral("Study another portion of scripture"));
    connect(CmdPortion, &QAction::triggered, this,
            [this] { Guarded([this] { OpenPortionChoice(); }, m_services.Messages); });
    file->addAction(CmdPortion);
}

void TMainForm::OpenPortionChoice()
{
    TPortionChoice choice(FindPortions(m_paths.ProgramDir, m_portionFolders), m_paths.PortionDir);
    auto* dlg = new TPortionDlg(std::move(choice), [this](const TPortionInfo& p) { SwitchPortion(p); });
    OpenChild(dlg, TPlacement::Centred,
              Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

} // namespace sv
