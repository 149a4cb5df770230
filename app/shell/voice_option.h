// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>

#include <functional>

namespace horavox {

class DirectSS;

// The voice a run starts with: the one named on the command line, else the
// stored choice, else, for someone whose screen reader is running and who has
// picked no voice, speech-dispatcher's default (the service the screen
// reader speaks through, with the voice its user set up), else the program's
// own default (empty). `screenReader` is asked only when that decides.
QString startingVoice(const QString &commandLine, const QString &stored, bool dispatcherOffered,
                      const std::function<bool()> &screenReader);

// Every voice id the clock can use now, in the engines' order, with the
// voices of speech-dispatcher's modules when it answers.
QStringList voiceIds(DirectSS &engine);

// Makes the voice named on the command line current; false, with the
// message for standard error, for an id the clock cannot use.
bool chooseCommandLineVoice(DirectSS &engine, const QString &id, QString *error);

} // namespace horavox
