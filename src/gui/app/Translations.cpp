// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Translations.h"

#include "core/platform/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

CTranslations::CTranslations() {
    const QLocale locale;
    if (!m_own.load(locale, QStringLiteral("corvellan"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return;
    m_language = m_own.language().section(QLatin1Char('_'), 0, 0);
    QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    SetTranslation([](const char* context, const char* text, const char* disambiguation, int n) {
        return QCoreApplication::translate(context, text, disambiguation, n).toStdString();
    });
}

CTranslations::~CTranslations() {
    if (m_language.isEmpty())
        return;
    SetTranslation({});
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}
