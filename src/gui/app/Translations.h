// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

// The program in the user's language: its own texts and the core's (from the translations built
// into it) and Qt's (Yes, No, OK, Cancel: Debian's translations of Qt), for the language that
// LANGUAGE, LC_ALL, LC_MESSAGES or LANG names, as desktop programs choose it. English, the language
// the texts are written in, needs no translation.
class CTranslations {
public:
    CTranslations();
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // "de", "fr"; empty when the texts stay as written.
    QString Language() const { return m_language; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};
