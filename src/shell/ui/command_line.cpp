// The command line, read with QCommandLineParser before QApplication exists: Qt's options are
// declared here as hidden ones, so that they are taken with their values and then acted on by
// QApplication itself, while anything else is refused before a display is needed.
#include "shell/ui/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace vexmoor {

namespace {

// Options QGuiApplication, QApplication and the X11 platform act on (one dash or two).
// clang-format off
const struct
{
    const char* name;
    bool takesValue;
} kQtOptions[] = {
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},  {"qwindowtitle", true},  {"reverse", false},
    {"session", true},   {"style", true},     {"stylesheet", true}, {"widgetcount", false},
    {"display", true},   {"geometry", true},  {"name", true},       {"title", true},
    {"visual", true},    {"ncols", true},     {"cmap", false},      {"nograb", false},
    {"dograb", false},   {"sync", false},     {"qmljsdebugger", true},
};
// clang-format on

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

CommandLineOutcome HandleCommandLine(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program =
        arguments.isEmpty() ? QStringLiteral("vexmoor") : QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    // Qt's options are written with one dash (-style fusion); so may ours be (-help).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral(
            "Quenbry - Vexmoor: a pocket calculator, a break-even analysis and a loan\n"
            "calculator in one window.\n\n"
            "Qt's own options, such as -style NAME and -platform NAME, are accepted as\n"
            "well. Run-time failures are appended to %1ERR.txt beside the program when\n"
            "it runs from a folder of your own, else in $XDG_STATE_HOME/quenbry-vexmoor\n"
            "(by default ~/.local/state/quenbry-vexmoor).")
            .arg(QFileInfo(program).completeBaseName()));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    for (const auto& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const auto refuse = [&program](const QString& what) {
        Print(stderr,
              QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, what));
        return CommandLineOutcome {false, 2};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        Print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), program));
        return {false, 0};
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(VEXMOOR_VERSION)));
        return {false, 0};
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    return {};
}

} // namespace vexmoor
