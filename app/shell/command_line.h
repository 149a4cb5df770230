// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>

namespace horavox {

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Action {
        Run,         // open the clock (or bring the running one forward)
        SayTime,     // speak the time once, then exit
        ShowHelp,    // print `output` to standard output, exit 0
        ShowVersion, // print `output` to standard output, exit 0
        Fail,        // print `output` to standard error, exit 1
        Mute,        // mute the running clock for `muteMinutes` (0: unmute)
        SkipNext,    // the running clock skips its next announcement
        Status,      // print the running clock's status line
        PrintTime,   // print the sentence the text-to-speech voice would say now
        ListVoices,  // print every voice id the clock can use, one a line
        PlayChime,   // play the chime `chime` (empty: the chosen one) once, then exit
    };
    Action action = Action::Run;
    QString output;
    int muteMinutes = 0;
    // --language: the spoken language for this run ("de", "pt-BR"); empty
    // for the one the preferences or the desktop give.
    QString language;
    // --voice: the voice for this run of Run or SayTime; empty: the stored one.
    QString voice;
    // --play-chime NAME: a chime's name or a sound file; empty for the chosen one.
    QString chime;
};

// Reads the arguments (the program's name first). It needs no application
// object, so --help and --version work where no display can be opened.
CommandLine parseCommandLine(const QStringList &arguments);

// The exit code that goes with an action that ends the program at once.
int exitCodeFor(CommandLine::Action action);

// Mute, SkipNext and Status: handed to the running clock, whose status line
// is printed. Without a running clock the error says so and the exit code
// is this.
inline constexpr int kNoClockExitCode = 2;
int runQuietCommand(const CommandLine &command);

} // namespace horavox
