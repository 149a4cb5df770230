// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace horavox {

namespace {

// Compiled into the program by lrelease at build time (see CMakeLists.txt).
const QString kOwnFolder = QStringLiteral(":/i18n");

struct Installed
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed i;
    return i;
}

void uninstall()
{
    Installed &i = installed();
    for (std::unique_ptr<QTranslator> *t : {&i.own, &i.qt}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
}

bool isEnglish(const QString &language)
{
    return language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("en")
           || language.startsWith(QLatin1String("en-")) || language.startsWith(QLatin1String("en_"));
}

// Languages in the order to try them: the desktop's list, or one code.
bool installFirstOf(const QStringList &languages)
{
    uninstall();
    for (const QString &language : languages) {
        // An English entry ahead of any other language means English: the
        // source texts, nothing to load.
        if (isEnglish(language))
            return false;
        const QLocale locale(language);
        // "pt-BR" is found as horavox_pt_BR.qm; a bare "pt" takes the
        // territory the locale data gives it.
        for (const QString &name : {QString(language).replace(QLatin1Char('-'), QLatin1Char('_')), locale.name(),
                                    QLocale::languageToCode(locale.language())}) {
            auto own = std::make_unique<QTranslator>();
            if (!own->load(QStringLiteral("horavox_") + name, kOwnFolder))
                continue;
            QCoreApplication::installTranslator(own.get());
            installed().own = std::move(own);
            // Qt's own texts ("OK", "Cancel", a line edit's menu) where the
            // system has them installed; without them those stay English.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt.get());
                installed().qt = std::move(qt);
            }
            return true;
        }
    }
    return false;
}

} // namespace

bool installInterfaceLanguage(const QString &bcp47)
{
    return installFirstOf({bcp47.trimmed()});
}

bool installDesktopInterfaceLanguage()
{
    return installFirstOf(QLocale::system().uiLanguages());
}

QLocale interfaceLocale()
{
    const Installed &i = installed();
    return i.own ? QLocale(i.own->language()) : QLocale::c();
}

} // namespace horavox
