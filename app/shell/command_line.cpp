// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include "instance_channel.h"
#include "speech/language/spoken_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

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
    const QCommandLineOption mute(QStringLiteral("mute"),
                                  QStringLiteral("Mutes the running clock's own announcements for <minutes> "
                                                 "(1 to %1), or unmutes it with 'off'.")
                                      .arg(kMaxMuteMinutes),
                                  QStringLiteral("minutes"));
    const QCommandLineOption skipNext(QStringLiteral("skip-next"),
                                      QStringLiteral("The running clock skips its next announcement."));
    const QCommandLineOption status(QStringLiteral("status"),
                                    QStringLiteral("Prints when the running clock speaks next and why it may "
                                                   "keep quiet."));
    const QCommandLineOption printTime(
        QStringLiteral("print-time"),
        QStringLiteral("Prints the sentence the text-to-speech voice would say now and exits."));
    const QCommandLineOption language(
        QStringList{QStringLiteral("language")},
        QStringLiteral("Says the time in this language (%1) in this run of --print-time or --say-time, "
                       "or in the clock it starts.")
            .arg(spokenLanguages().join(QStringLiteral(", "))),
        QStringLiteral("code"));
    const QCommandLineOption listVoices(QStringLiteral("list-voices"),
                                        QStringLiteral("Prints the id of every voice the clock can use, one a line."));
    const QCommandLineOption voice(QStringLiteral("voice"),
                                   QStringLiteral("Uses the text-to-speech voice <id> (as --list-voices prints "
                                                  "it) instead of the saved one, for --say-time or for the clock "
                                                  "started with it."),
                                   QStringLiteral("id"));
    const QCommandLineOption playChime(
        QStringLiteral("play-chime"),
        QStringLiteral("Plays the chime the clock would play now and exits; with a NAME after it (bleep, "
                       "hour-strike, westminster, pips or a sound file), that chime, to hear it."));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addOption(sayTime);
    parser.addOption(mute);
    parser.addOption(skipNext);
    parser.addOption(status);
    parser.addOption(printTime);
    parser.addOption(language);
    parser.addOption(listVoices);
    parser.addOption(voice);
    parser.addOption(playChime);
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("The chime for --play-chime."),
                                 QStringLiteral("[NAME]"));

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
    if (parser.isSet(playChime) && parser.positionalArguments().size() == 1) {
        result.chime = parser.positionalArguments().first();
    } else if (!parser.positionalArguments().isEmpty()) {
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
    const auto fail = [&](const QString &why) {
        result.action = CommandLine::Action::Fail;
        result.output = program + QStringLiteral(": ") + why + QLatin1Char('\n') + QStringLiteral("Try '") + program
                        + QStringLiteral(" --help' for more information.\n");
        return result;
    };
    const int requests = int(parser.isSet(sayTime)) + int(parser.isSet(mute)) + int(parser.isSet(skipNext))
                         + int(parser.isSet(status)) + int(parser.isSet(printTime)) + int(parser.isSet(listVoices))
                         + int(parser.isSet(playChime));
    if (requests > 1)
        return fail(QStringLiteral("give only one of --say-time, --print-time, --mute, --skip-next, --status, "
                                   "--list-voices and --play-chime"));
    if (parser.isSet(playChime) && (parser.isSet(language) || parser.isSet(voice)))
        return fail(QStringLiteral("--play-chime takes no --language or --voice"));
    if (parser.isSet(language)) {
        const QStringList values = parser.values(language);
        result.language = matchSpokenLanguage(values.last());
        if (values.size() > 1 || result.language.isEmpty())
            return fail(QStringLiteral("unknown language '%1'; the languages are %2")
                            .arg(values.last(), spokenLanguages().join(QStringLiteral(", "))));
        if (parser.isSet(mute) || parser.isSet(skipNext) || parser.isSet(status) || parser.isSet(listVoices))
            return fail(QStringLiteral("--language goes with --print-time, --say-time or a clock's start"));
    }
    if (parser.isSet(voice)) {
        const QStringList values = parser.values(voice);
        if (values.size() > 1 || values.last().trimmed().isEmpty())
            return fail(QStringLiteral("--voice takes one voice id, as --list-voices prints them"));
        if (requests > 0 && !parser.isSet(sayTime))
            return fail(QStringLiteral("--voice goes with --say-time or with starting the clock"));
        result.voice = values.last().trimmed();
    }
    if (parser.isSet(printTime))
        result.action = CommandLine::Action::PrintTime;
    if (parser.isSet(listVoices))
        result.action = CommandLine::Action::ListVoices;
    if (parser.isSet(playChime))
        result.action = CommandLine::Action::PlayChime;
    if (parser.isSet(sayTime))
        result.action = CommandLine::Action::SayTime;
    if (parser.isSet(skipNext))
        result.action = CommandLine::Action::SkipNext;
    if (parser.isSet(status))
        result.action = CommandLine::Action::Status;
    if (parser.isSet(mute)) {
        const QStringList values = parser.values(mute);
        const QString value = values.last().trimmed();
        QuietRequest request;
        if (values.size() > 1
            || !parseQuietRequest("mute " + value.toLatin1(), &request))
            return fail(QStringLiteral("--mute takes a number of minutes from 1 to %1, or 'off'").arg(kMaxMuteMinutes));
        result.action = CommandLine::Action::Mute;
        result.muteMinutes = request.minutes;
    }
    return result;
}

int runQuietCommand(const CommandLine &command)
{
    QuietRequest request;
    request.kind = command.action == CommandLine::Action::Mute       ? QuietRequest::Kind::Mute
                   : command.action == CommandLine::Action::SkipNext ? QuietRequest::Kind::SkipNext
                                                                     : QuietRequest::Kind::Status;
    request.minutes = command.muteMinutes;
    const QuietReply reply = sendQuietRequest(instanceSocketPath(), request);
    switch (reply.handOver) {
    case HandOver::Delivered:
        std::printf("%s\n", reply.status.toLocal8Bit().constData());
        return 0;
    case HandOver::NoInstance:
        std::fprintf(stderr, "horavox: no clock is running; start one with 'horavox' first\n");
        return kNoClockExitCode;
    case HandOver::Failed:
    case HandOver::Unanswered:
        break;
    }
    std::fprintf(stderr, "horavox: the running clock did not answer\n");
    return 1;
}

int exitCodeFor(CommandLine::Action action)
{
    return action == CommandLine::Action::Fail ? 1 : 0;
}

} // namespace horavox
