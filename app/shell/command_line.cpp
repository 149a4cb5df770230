#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace horavox {

namespace {

QString version()
{
    return QStringLiteral("horavox ") + QStringLiteral(HORAVOX_VERSION) + QLatin1Char('\n');
}

// The parser names the program after the application's first argument, or
// writes a placeholder when there is no application object yet; the usage
// line names the program as it was started here.
QString helpFor(const QCommandLineParser &parser, const QString &program)
{
    QString text = parser.helpText();
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    if (text.startsWith(QLatin1String("Usage: ")) && end > 0)
        text.replace(0, end, QStringLiteral("Usage: ") + program + QStringLiteral(" [options]"));
    return text;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A desktop clock that tells the time aloud.\n"
                       "Started a second time, it brings the running clock forward."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays the version."));
    const QCommandLineOption sayTime(
        QStringLiteral("say-time"),
        QStringLiteral("Speaks the current time once with the saved voice and exits. "
                       "A running clock speaks it instead."));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addOption(sayTime);

    const QString program = arguments.isEmpty() ? QStringLiteral("horavox")
                                                : QFileInfo(arguments.first()).fileName();
    CommandLine result;
    const bool parsed = parser.parse(arguments.isEmpty() ? QStringList{program} : arguments);
    // Help wins over everything, so that a user who asks for it gets it even
    // when the rest of the line is wrong.
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.output = helpFor(parser, program);
        return result;
    }
    if (!parsed) {
        result.action = CommandLine::Action::Fail;
        result.output = program + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n')
                        + QStringLiteral("Try '") + program + QStringLiteral(" --help' for more information.\n");
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Fail;
        result.output = program + QStringLiteral(": unexpected argument '")
                        + parser.positionalArguments().first() + QStringLiteral("'\n")
                        + QStringLiteral("Try '") + program + QStringLiteral(" --help' for more information.\n");
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = CommandLine::Action::ShowVersion;
        result.output = version();
        return result;
    }
    if (parser.isSet(sayTime))
        result.action = CommandLine::Action::SayTime;
    return result;
}

int exitCodeFor(CommandLine::Action action)
{
    return action == CommandLine::Action::Fail ? 1 : 0;
}

} // namespace horavox
