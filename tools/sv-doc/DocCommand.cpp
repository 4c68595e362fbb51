#include "DocCommand.h"

#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "portion/Portions.h"
#include "print/DocMaterial.h"
#include "user/User.h"

#include <QDir>
#include <QFileInfo>

#include <iostream>

namespace sv::doc {

namespace {

std::vector<TDocCommand>& Table()
{
    static std::vector<TDocCommand> table;
    return table;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void RegisterDocCommand(TDocCommand command) { Table().push_back(std::move(command)); }

const std::vector<TDocCommand>& DocCommands() { return Table(); }

const std::vector<TOptionSpec>& CommonOptions()
{
    static const std::vector<TOptionSpec> options = {
        {"program", "DIR",
         "program folder with wf.wl, wf.bk, wf.qs (default: the current\n"
         "folder when it holds them, else the build's program folder)"},
        {"portion", "DIR",
         "a portion's folder: its content files instead of the program\n"
         "folder's, its persons in Users/<the folder's name>/"},
        {"user", "FILE|NAME",
         "user file: a path, or NAME for Users/NAME.219 of the program\n"
         "folder (of the portion); its stored choices are the defaults\n"
         "(default: a new user's choices)"},
        {"out", "FILE", "output file (default: the document's name in the current folder)"},
        {"format", "rtf|txt", "RTF or plain text (default: by the extension of --out, else RTF)"},
        {"text", "utf-8|windows",
         "how plain text is saved: UTF-8 with LF line ends (default), or\n"
         "Windows-1252 with CR LF line ends for Windows machines"},
    };
    return options;
}

TOptionSpec MaterialOption(bool memoryFrame)
{
    return {"material", "KIND:ITEMS",
            std::string("the material: KIND ")
                + (memoryFrame ? "chapters, sections or memory" : "chapters, sections, verses or memory")
                + ",\nITEMS \"all\" or numbers and ranges as 'sv-doc items KIND' lists them,\n"
                  "e.g. chapters:1-3,5 (default: the user's stored selection)"};
}

struct TDocContext::Stores {
    std::unique_ptr<TWords> Words;
    std::unique_ptr<TBooks> Books;
    std::unique_ptr<TQuestions> Questions;
    std::unique_ptr<TUser> User;
};

TDocContext::TDocContext(const QCommandLineParser& args, std::string executableDir)
    : m_args(args), m_stores(std::make_unique<Stores>())
{
    if (args.isSet(QStringLiteral("program")))
        m_programDir = args.value(QStringLiteral("program")).toStdString();
    else if (QFileInfo::exists(QStringLiteral("wf.bk")))
        m_programDir = ".";
    else
        m_programDir = QDir::cleanPath(Q(executableDir) + QStringLiteral("/../../program")).toStdString();
    m_contentDir =
        args.isSet(QStringLiteral("portion")) ? args.value(QStringLiteral("portion")).toStdString() : m_programDir;
}

std::string TDocContext::PersonDir(const std::string& usersDir) const
{
    if (!Has("portion"))
        return usersDir;
    TPortionInfo portion;
    portion.Dir = m_contentDir;
    portion.Id = QDir(Q(m_contentDir)).dirName().toStdString();
    if (QDir(Q(m_contentDir)).absolutePath() == QDir(Q(m_programDir)).absolutePath())
        portion.Id.clear(); // the program's own portion
    return PersonDirOf(usersDir, portion);
}

TDocContext::~TDocContext() = default;

bool TDocContext::Has(const std::string& name) const { return m_args.isSet(Q(name)); }

std::string TDocContext::Value(const std::string& name) const { return m_args.value(Q(name)).toStdString(); }

bool TDocContext::Switch(const std::string& name, bool storedDefault) const
{
    const bool on = Has(name), off = Has("no-" + name);
    if (on && off)
        throw EUsage("--" + name + " and --no-" + name + " contradict each other");
    return on ? true : off ? false : storedDefault;
}

int TDocContext::Number(const std::string& name, int lo, int hi, int fallback) const
{
    if (!Has(name))
        return fallback;
    bool ok = false;
    const int n = m_args.value(Q(name)).toInt(&ok);
    if (!ok || n < lo || n > hi)
        throw EUsage("--" + name + " needs a whole number from " + std::to_string(lo) + " to " + std::to_string(hi)
                     + ", not \"" + Value(name) + "\"");
    return n;
}

std::vector<std::string> TDocContext::Positional() const
{
    std::vector<std::string> out;
    const QStringList p = m_args.positionalArguments();
    for (qsizetype i = 1; i < p.size(); ++i)
        out.push_back(p[i].toStdString());
    return out;
}

const TWords& TDocContext::Words()
{
    if (!m_stores->Words) {
        auto w = std::make_unique<TWords>();
        w->LoadFromFile((QDir(Q(m_contentDir)).filePath(QStringLiteral("wf.wl"))).toStdString());
        m_stores->Words = std::move(w);
    }
    return *m_stores->Words;
}

const TBooks& TDocContext::Books()
{
    if (!m_stores->Books) {
        auto b = std::make_unique<TBooks>(Words());
        b->LoadFromFile((QDir(Q(m_contentDir)).filePath(QStringLiteral("wf.bk"))).toStdString());
        m_stores->Books = std::move(b);
    }
    return *m_stores->Books;
}

const TQuestions& TDocContext::Questions()
{
    if (!m_stores->Questions) {
        auto q = std::make_unique<TQuestions>(Words(), Books());
        q->LoadFromFile((QDir(Q(m_contentDir)).filePath(QStringLiteral("wf.qs"))).toStdString());
        m_stores->Questions = std::move(q);
    }
    return *m_stores->Questions;
}

TUser& TDocContext::User()
{
    if (!m_stores->User) {
        auto u = std::make_unique<TUser>();
        if (Has("user")) {
            QString path = m_args.value(QStringLiteral("user"));
            if (!path.endsWith(QStringLiteral(".219")) && !path.contains(QLatin1Char('/')))
                path = Q(PersonDir(QDir(Q(m_programDir)).filePath(QStringLiteral("Users/")).toStdString())) + path
                       + QStringLiteral(".219");
            u->LoadFromFile(path.toStdString());
        }
        m_stores->User = std::move(u);
    }
    return *m_stores->User;
}

TMaterialChoice TDocContext::Material(bool memoryFrame)
{
    const TBooks& books = Books();
    if (Has("material")) {
        TMaterialChoice c;
        try {
            c = ParseMaterialChoice(books, Value("material"));
        } catch (const std::invalid_argument& e) {
            throw EUsage(std::string("--material: ") + e.what());
        }
        if (memoryFrame && c.Kind == TSelectionKind::ByVerse)
            throw EUsage("--material: this document takes chapters, sections or memory, not verses");
        return c;
    }
    TMaterialChoice c;
    c.Kind = User().SelectionMode();
    if (memoryFrame && c.Kind == TSelectionKind::ByVerse)
        c.Kind = TSelectionKind::ByChapter;
    c.Items = StoredChecks(User(), books, c.Kind);
    return c;
}

TDocFormat TDocContext::Format() const
{
    if (Has("format")) {
        const std::string f = Value("format");
        if (f == "rtf")
            return TDocFormat::Rtf;
        if (f == "txt")
            return TDocFormat::Text;
        throw EUsage("--format takes rtf or txt, not \"" + f + "\"");
    }
    return Has("out") ? FormatOfFileName(Value("out")) : TDocFormat::Rtf;
}

TTextEncoding TDocContext::TextEncoding() const
{
    if (!Has("text"))
        return TTextEncoding::Utf8;
    const std::string t = Value("text");
    if (t == "utf-8" || t == "utf8")
        return TTextEncoding::Utf8;
    if (t == "windows")
        return TTextEncoding::Windows1252;
    throw EUsage("--text takes utf-8 or windows, not \"" + t + "\"");
}

std::string TDocContext::OutPath(const std::string& defaultName) const
{
    const std::string ext = Format() == TDocFormat::Text ? ".txt" : ".rtf";
    if (!Has("out"))
        return defaultName + ext;
    const std::string out = Value("out");
    if (out.empty())
        throw EUsage("--out needs a file name");
    return QFileInfo(Q(out)).suffix().isEmpty() ? out + ext : out;
}

void TDocContext::SaveDocument(const TDocFile& file, const std::string& path) const
{
    file.Save(path);
    std::cout << "wrote " << path << "\n";
}

} // namespace sv::doc
