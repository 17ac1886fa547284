// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Locale.h"
#include "core/platform/ProgramState.h"
#include "ctl/CtlCommands.h"

#include "core/platform/Translate.h"

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <iostream>

// No QCoreApplication: nothing here needs an event loop, and Qt's own locale set-up would warn on
// every run under a locale that is not UTF-8.
int main(int argc, char** argv) {
    CurrencySymbol = InitUserLocale();
    // In the user's language, as the window speaks it (LANGUAGE, LC_MESSAGES, ...).
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("corvellan"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        // QTranslator leaves %n in the text; Tr replaces it.
        SetTranslation(
            [&translator](const char* context, const char* text, const char* disambiguation, int n) {
                const QString translated = translator.translate(context, text, disambiguation, n);
                return translated.isEmpty() ? std::string(text) : translated.toStdString();
            });
    const Paths paths = Paths::FromEnvironment();
    ProgramDirectory = paths.DataDir();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CCtlCommands commands(paths, std::cout, std::cerr);
    return commands.Run(arguments);
}
