// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/command_line.h"
#include "shell/voice_option.h"

#include "engines/direct_ss.h"
#include "test_main.h"

using namespace horavox;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(horavox::CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void actions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("outputHas"); // a piece the output must contain

        const QString p = QStringLiteral("/usr/bin/horavox");
        QTest::newRow("nothing") << QStringList{p} << Action::Run << QString();
        QTest::newRow("no program name") << QStringList{} << Action::Run << QString();
        QTest::newRow("say-time") << QStringList{p, "--say-time"} << Action::SayTime << QString();
        QTest::newRow("help") << QStringList{p, "--help"} << Action::ShowHelp << "--say-time";
        QTest::newRow("-h") << QStringList{p, "-h"} << Action::ShowHelp << "--version";
        QTest::newRow("help beats a bad option") << QStringList{p, "--bogus", "--help"} << Action::ShowHelp
                                                 << "--say-time";
        QTest::newRow("help beats a stray word") << QStringList{p, "tick", "--help"} << Action::ShowHelp
                                                 << "Usage: horavox";
        QTest::newRow("version") << QStringList{p, "--version"} << Action::ShowVersion
                                 << "horavox " HORAVOX_VERSION "\n";
        QTest::newRow("-v") << QStringList{p, "-v"} << Action::ShowVersion << "horavox " HORAVOX_VERSION;
        QTest::newRow("version beats say-time") << QStringList{p, "--say-time", "--version"}
                                                << Action::ShowVersion << "horavox";
        QTest::newRow("unknown long option") << QStringList{p, "--bogus"} << Action::Fail << "'bogus'";
        QTest::newRow("unknown short option") << QStringList{p, "-x"} << Action::Fail << "'x'";
        QTest::newRow("say-time takes no value") << QStringList{p, "--say-time=now"} << Action::Fail
                                                 << "say-time";
        QTest::newRow("stray word") << QStringList{p, "now"} << Action::Fail << "'now'";
        QTest::newRow("single-dash long option") << QStringList{p, "-say-time"} << Action::Fail << "horavox:";
        QTest::newRow("mute") << QStringList{p, "--mute", "60"} << Action::Mute << QString();
        QTest::newRow("mute off") << QStringList{p, "--mute=off"} << Action::Mute << QString();
        QTest::newRow("skip-next") << QStringList{p, "--skip-next"} << Action::SkipNext << QString();
        QTest::newRow("status") << QStringList{p, "--status"} << Action::Status << QString();
        QTest::newRow("help names the quiet options") << QStringList{p, "--help"} << Action::ShowHelp << "--skip-next";
        QTest::newRow("mute without minutes") << QStringList{p, "--mute"} << Action::Fail << "mute";
        QTest::newRow("mute 0") << QStringList{p, "--mute", "0"} << Action::Fail << "1 to 10080";
        QTest::newRow("mute a week and a minute") << QStringList{p, "--mute", "10081"} << Action::Fail << "1 to 10080";
        QTest::newRow("mute negative") << QStringList{p, "--mute", "-5"} << Action::Fail << "1 to 10080";
        QTest::newRow("mute a word") << QStringList{p, "--mute", "soon"} << Action::Fail << "or 'off'";
        QTest::newRow("mute twice") << QStringList{p, "--mute", "5", "--mute", "6"} << Action::Fail << "1 to 10080";
        QTest::newRow("two requests") << QStringList{p, "--skip-next", "--status"} << Action::Fail << "only one";
        QTest::newRow("say-time and mute") << QStringList{p, "--say-time", "--mute", "5"} << Action::Fail
                                           << "only one";
        QTest::newRow("print-time") << QStringList{p, "--print-time"} << Action::PrintTime << QString();
        QTest::newRow("print-time and say-time") << QStringList{p, "--print-time", "--say-time"} << Action::Fail
                                                 << "only one";
        QTest::newRow("language unknown, the known ones named")
            << QStringList{p, "--print-time", "--language", "xx"} << Action::Fail << "'xx'; the languages are en, de";
        QTest::newRow("language without a code") << QStringList{p, "--language"} << Action::Fail << "language";
        QTest::newRow("language twice") << QStringList{p, "--language", "de", "--language=fr"} << Action::Fail
                                        << "'fr'";
        QTest::newRow("language of a quiet request") << QStringList{p, "--status", "--language", "de"}
                                                     << Action::Fail << "--language goes with";
        QTest::newRow("list-voices") << QStringList{p, "--list-voices"} << Action::ListVoices << QString();
        QTest::newRow("list-voices and say-time") << QStringList{p, "--list-voices", "--say-time"} << Action::Fail
                                                  << "only one";
        QTest::newRow("voice for a start") << QStringList{p, "--voice", "flite/kal"} << Action::Run << QString();
        QTest::newRow("voice without an id") << QStringList{p, "--voice"} << Action::Fail << "voice";
        QTest::newRow("voice of blanks") << QStringList{p, "--voice= "} << Action::Fail << "one voice id";
        QTest::newRow("play-chime, the chosen one") << QStringList{p, "--play-chime"} << Action::PlayChime << QString();
        QTest::newRow("play-chime a name") << QStringList{p, "--play-chime", "pips"} << Action::PlayChime << QString();
        QTest::newRow("play-chime two names") << QStringList{p, "--play-chime", "pips", "bleep"} << Action::Fail
                                              << "unexpected argument 'pips'";
        QTest::newRow("play-chime in a voice") << QStringList{p, "--play-chime", "--voice", "flite/kal"}
                                               << Action::Fail << "takes no --language or --voice";
        QTest::newRow("play-chime and say-time") << QStringList{p, "--play-chime", "--say-time"} << Action::Fail
                                                 << "only one";
        QTest::newRow("voice for the status") << QStringList{p, "--status", "--voice", "flite/kal"} << Action::Fail
                                              << "goes with --say-time";
    }
    void actions()
    {
        QFETCH(QStringList, args);
        QFETCH(Action, action);
        QFETCH(QString, outputHas);
        const CommandLine cl = parseCommandLine(args);
        QCOMPARE(cl.action, action);
        QVERIFY2(cl.output.contains(outputHas), qPrintable(cl.output));
        if (action != Action::ShowHelp && action != Action::ShowVersion && action != Action::Fail)
            QVERIFY(cl.output.isEmpty());
    }

    // What the options carry to the run: the language made canonical, the
    // voice id as given.
    void carried_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("voice");
        QTest::newRow("none") << QStringList{"--print-time"} << QString() << QString();
        QTest::newRow("de") << QStringList{"--print-time", "--language", "de"} << "de" << QString();
        QTest::newRow("region, any case") << QStringList{"--say-time", "--language=PT-br"} << "pt-BR" << QString();
        QTest::newRow("a locale name") << QStringList{"--language", "pt_PT.UTF-8"} << "pt-PT" << QString();
        QTest::newRow("for a clock's start") << QStringList{"--language", "ru"} << "ru" << QString();
        QTest::newRow("voice for say-time") << QStringList{"--say-time", "--voice", "flite/kal"} << QString()
                                            << "flite/kal";
        // A module's voice names are the module's own, blanks and all.
        QTest::newRow("voice, blanks inside kept")
            << QStringList{"--voice=speech-dispatcher/espeak-ng/English (America) "} << QString()
            << "speech-dispatcher/espeak-ng/English (America)";
    }
    void carried()
    {
        QFETCH(QStringList, args);
        args.prepend(QStringLiteral("horavox"));
        const CommandLine cl = parseCommandLine(args);
        QVERIFY2(cl.action != Action::Fail, qPrintable(cl.output));
        QTEST(cl.language, "language");
        QTEST(cl.voice, "voice");
    }

    void muteMinutes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("minutes");
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("a week") << "10080" << 10080;
        QTest::newRow("blanks around") << " 15 " << 15;
        QTest::newRow("off") << "off" << 0;
    }
    void muteMinutes()
    {
        QFETCH(QString, value);
        QFETCH(int, minutes);
        const CommandLine cl = parseCommandLine({"horavox", "--mute", value});
        QCOMPARE(cl.action, Action::Mute);
        QCOMPARE(cl.muteMinutes, minutes);
    }

    void startingVoice_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("offered");      // speech-dispatcher installed
        QTest::addColumn<bool>("screenReader"); // running
        QTest::addColumn<QString>("voice");
        QTest::addColumn<bool>("asked"); // whether the screen reader was looked for
        QTest::newRow("nothing picked") << "" << "" << true << false << "" << true;
        QTest::newRow("screen reader, nothing picked") << "" << "" << true << true << "speech-dispatcher" << true;
        QTest::newRow("screen reader, a voice stored") << "" << "flite/kal" << true << true << "flite/kal" << false;
        QTest::newRow("screen reader, no service") << "" << "" << false << true << "" << false;
        QTest::newRow("command line beats stored") << "espeak/en" << "flite/kal" << true << false << "espeak/en"
                                                   << false;
        QTest::newRow("command line beats screen reader") << "flite/slt" << "" << true << true << "flite/slt" << false;
    }
    void startingVoice()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, stored);
        QFETCH(bool, offered);
        QFETCH(bool, screenReader);
        int asked = 0;
        QTEST(horavox::startingVoice(commandLine, stored, offered, [&] { ++asked; return screenReader; }), "voice");
        QTEST(asked == 1, "asked");
    }

    void commandLineVoice_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("usable");
        QTest::newRow("an own engine's voice") << "flite/kal" << true;
        QTest::newRow("the speech service's default") << "speech-dispatcher" << true;
        QTest::newRow("unknown engine") << "festival/kal" << false;
        QTest::newRow("a voice's short name") << "kal" << false;
        // Checked against the modules, which no server answers for here.
        QTest::newRow("a module's voice, unheard of") << "speech-dispatcher/espeak-ng/nobody" << false;
    }
    void commandLineVoice()
    {
        QFETCH(QString, id);
        QFETCH(bool, usable);
        DirectSS::Options o;
        o.engines = DirectSS::AllEngines | DirectSS::Dispatcher;
        DirectSS engine(nullptr, o);
        QString error;
        QCOMPARE(chooseCommandLineVoice(engine, id, &error), usable);
        QCOMPARE(engine.voiceId(engine.TtsCurrentVoice()) == id, usable);
        QCOMPARE(error.contains(QStringLiteral("'%1'").arg(id)), !usable);
    }

    void versionIsExactlyOneLine()
    {
        QCOMPARE(parseCommandLine({"horavox", "--version"}).output,
                 QStringLiteral("horavox " HORAVOX_VERSION "\n"));
    }

    void helpNamesTheProgramNotAPlaceholder()
    {
        const QString help = parseCommandLine({"/opt/x/bin/horavox", "--help"}).output;
        QVERIFY2(help.startsWith(QStringLiteral("Usage: horavox ")), qPrintable(help));
        // Option values are named in angle brackets; the usage line has none.
        QVERIFY(!help.section(QLatin1Char('\n'), 0, 0).contains(QLatin1Char('<')));
        QVERIFY(help.contains(QStringLiteral("--help")));
    }

    void failureTellsWhereHelpIs()
    {
        const QString text = parseCommandLine({"horavox", "--bogus"}).output;
        QVERIFY(text.startsWith(QStringLiteral("horavox: ")));
        QVERIFY(text.contains(QStringLiteral("horavox --help")));
        QVERIFY(text.endsWith(QLatin1Char('\n')));
    }

    void exitCodes_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("code");
        QTest::newRow("help") << Action::ShowHelp << 0;
        QTest::newRow("version") << Action::ShowVersion << 0;
        QTest::newRow("fail") << Action::Fail << 1;
    }
    void exitCodes()
    {
        QFETCH(Action, action);
        QFETCH(int, code);
        QCOMPARE(exitCodeFor(action), code);
    }
};

HORAVOX_TEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
