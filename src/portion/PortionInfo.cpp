#include "portion/PortionInfo.h"

#include "common/Errors.h"
#include "common/SaveAtomically.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include <QFile>
#include <QStringList>

#include <span>

namespace sv {

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

[[noreturn]] void Fault(const std::string& path, int line, const std::string& what)
{
    throw EPortionError(path + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what);
}

} // namespace

TPortionText ReadPortionText(const std::string& dir)
{
    const std::string path = dir + PortionFileName;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        ThrowCannotOpen(path);
    // A description is a few lines; anything much larger is not one.
    if (file.size() > 64 * 1024)
        Fault(path, 0, "too large for a portion description");
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');

    TPortionText text;
    bool named = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') || line.startsWith(u'['))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            Fault(path, i + 1, "a line without \"=\"");
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == u"name") {
            text.Name = value;
            named = !value.isEmpty();
        } else if (key == u"books") {
            text.Books = value;
        } else if (key == u"translation") {
            text.Translation = value;
        } else if (key == u"built" && !value.isEmpty()) {
            text.Built = QDate::fromString(value, DateFormat);
            if (!text.Built.isValid())
                Fault(path, i + 1, "the date \"" + value.toStdString() + "\" is not written as yyyy-mm-dd");
        }
        // Other keys belong to later versions of the file and are passed over.
    }
    if (!named)
        Fault(path, 0, "the portion has no name");
    return text;
}

void WritePortionText(const std::string& dir, const TPortionText& text)
{
    const std::string path = dir + PortionFileName;
    // One line per value: a line break inside a value would start a line of its own.
    auto oneLine = [](const QString& s) { return QString(s).replace(u'\r', u' ').replace(u'\n', u' ').trimmed(); };
    const QString body = QStringLiteral("[Portion]\nname=%1\nbooks=%2\ntranslation=%3\nbuilt=%4\n")
                             .arg(oneLine(text.Name), oneLine(text.Books), oneLine(text.Translation),
                                  text.Built.isValid() ? text.Built.toString(DateFormat) : QString());
    const QByteArray bytes = body.toUtf8();
    SaveAtomically(path, std::span<const char>(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int CountPortionQuestions(const std::string& dir)
{
    TWords words;
    words.LoadFromFile(dir + "wf.wl");
    TBooks books(words);
    books.LoadFromFile(dir + "wf.bk");
    TQuestions questions(words, books);
    questions.LoadFromFile(dir + "wf.qs");
    int count = 0;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= questions.QuestionCount(c); ++i)
            if (!questions.IsPlaceholder({c, i}))
                ++count;
    return count;
}

} // namespace sv
