// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

namespace horavox {

// The language the windows speak. The program's own English texts are the
// source of every translation, so English needs nothing loaded.
//
// Installs the program's translation for `bcp47` ("de", "pt-BR", "ru-RU")
// and, beside it, Qt's own for its standard buttons and dialogs, replacing
// whatever an earlier call installed. English, an empty code or a language
// the program has no translation for leaves the English texts. Windows and
// menus made after the call are shown in the new language; those already
// made keep the texts they were made with. Returns whether a translation of
// the program's was installed.
bool installInterfaceLanguage(const QString &bcp47);

// The same for the desktop's language, as QLocale::system() reads it from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG, each language of LANGUAGE tried in
// turn.
bool installDesktopInterfaceLanguage();

// The locale of the language installed, for the names of days; the C
// locale (English names) while no translation is.
QLocale interfaceLocale();

} // namespace horavox
