// sv-doc: the printed documents from the command line, written from the program folder's
// content files with a user file's stored choices as defaults.
//
//   sv-doc COMMAND [options]      sv-doc --help      sv-doc COMMAND --help
//
// The commands are registered in their own source files (DocCommand.h).

#include "DocCommand.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iostream>
#include <sstream>

using namespace sv::doc;

namespace {

void AddOptions(QCommandLineParser& parser, const std::vector<TOptionSpec>& specs)
{
    for (const TOptionSpec& s : specs) {
        const QString name = QString::fromStdString(s.Name);
        if (s.Kind == TOptionKind::Switch) {
            parser.addOption(QCommandLineOption(name));
            parser.addOption(QCommandLineOption(QStringLiteral("no-") + name));
        } else {
            parser.addOption(QCommandLineOption(name, QString(), QString::fromStdString(s.ValueName)));
        }
    }
}

void PrintOptions(std::ostream& os, const std::vector<TOptionSpec>& specs)
{
    for (const TOptionSpec& s : specs) {
        std::string head = "  --" + s.Name;
        if (s.Kind == TOptionKind::Switch)
            head = "  --[no-]" + s.Name;
        else if (!s.ValueName.empty())
            head += " " + s.ValueName;
        os << head;
        if (head.size() < 30)
            os << std::string(30 - head.size(), ' ');
        else
            os << "\n" << std::string(30, ' ');
        std::string help = s.Help;
        for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 31))
            help.insert(at + 1, std::string(30, ' '));
        os << help << "\n";
    }
}

void PrintCommandHelp(std::ostream& os, const TDocCommand& c)
{
    std::string summary = c.Summary;
    for (std::size_t at = summary.find('\n'); at != std::string::npos; at = summary.find('\n', at + 1))
        summary.insert(at + 1, "  ");
    os << "sv-doc " << c.Name << ": " << summary << "\n";
    PrintOptions(os, c.Options);
}

std::string Help()
{
    std::ostringstream os;
    os << "usage: sv-doc COMMAND [options]\n"
          "Writes the printed documents from the program folder's content files. Options not\n"
          "given take the user file's stored choices, as the program's dialogs do.\n\n"
          "common options:\n";
    PrintOptions(os, CommonOptions());
    os << "  --help                      this text (sv-doc COMMAND --help: that command only)\n";
    for (const TDocCommand& c : DocCommands()) {
        os << "\n";
        PrintCommandHelp(os, c);
    }
    return os.str();
}

int UsageError(const std::string& message, const std::string& command)
{
    std::cerr << "sv-doc: " << message << "\n"
              << "Try 'sv-doc " << (command.empty() ? "" : command + " ") << "--help'.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2)
        return UsageError("no command given", "");
    const std::string name = args[1].toStdString();
    if (name == "--help" || name == "-h" || name == "help") {
        std::cout << Help();
        return 0;
    }
    const auto& table = DocCommands();
    const auto it = std::find_if(table.begin(), table.end(), [&](const TDocCommand& c) { return c.Name == name; });
    if (it == table.end()) {
        std::string names;
        for (const TDocCommand& c : table)
            names += (names.empty() ? "" : ", ") + c.Name;
        return UsageError("unknown command \"" + name + "\" (commands: " + names + ")", "");
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions(parser, CommonOptions());
    AddOptions(parser, it->Options);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")}));
    if (!parser.parse(args))
        return UsageError(parser.errorText().toStdString(), name);
    if (parser.isSet(QStringLiteral("help"))) {
        PrintCommandHelp(std::cout, *it);
        std::cout << "common options:\n";
        PrintOptions(std::cout, CommonOptions());
        return 0;
    }
    try {
        TDocContext ctx(parser, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath().toStdString());
        return it->Run(ctx);
    } catch (const EUsage& e) {
        return UsageError(e.what(), name);
    } catch (const std::exception& e) {
        std::cerr << "sv-doc: " << e.what() << "\n";
        return 1;
    }
}
