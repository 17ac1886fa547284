// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Translations.h"

#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/prefs/PreferencesSheet.h"
#include "gui/reports/LogsAndReportsSheet.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/WindowFields.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

namespace {
// The windows as a user of each language opens them: the translations are chosen by the locale,
// before the first window is made, as the program does.
struct LanguageCase {
    const char* locale;
    const char* language; // what the help viewer is told
    const char* startLabel;
    const char* billingTab;
    const char* callLogTab;
    const char* exitQuestionStart;
    const char* cancel; // Qt's own text
};

const LanguageCase kCases[] = {
    {"de_DE", "de", "Timer STARTEN", "Abrechnung", "          Anrufprotokoll          ", "WARNUNG: Wenn Sie",
     "Abbrechen"},
    {"fr_FR", "fr", "DÉMARRER le chronomètre", "Facturation", "          Journal des appels          ",
     "AVERTISSEMENT : si vous", "Annuler"},
    {"en_US", "", "START Timer", "Billing System", "          Call Log          ", "WARNING: If you exit",
     "Cancel"},
};

void PrintTo(const LanguageCase& row, std::ostream* out) {
    *out << row.locale;
}

class TranslationsTest : public FreshStateTest, public ::testing::WithParamInterface<LanguageCase> {
protected:
    TranslationsTest() { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale))); }
    ~TranslationsTest() override { QLocale::setDefault(m_before); }

    // Saves every page as the user sees it when CORVELLAN_SCREENSHOT_DIR names a directory.
    static void Shoot(QWidget& window, QTabWidget* tabs, const char* name) {
        const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
        if (out.isEmpty())
            return;
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            window.grab().save(
                QDir(out).filePath(QStringLiteral("%1-%2-%3.png")
                                       .arg(QLatin1String(GetParam().locale), QLatin1String(name))
                                       .arg(tab)));
        }
    }

    QLocale m_before;
    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
};

TEST_P(TranslationsTest, EveryWindowAndQtsOwnButtonsSpeakTheUsersLanguage) {
    const LanguageCase& want = GetParam();
    const CTranslations translations;
    EXPECT_EQ(translations.Language().toStdString(), want.language);

    CMonitor monitor(paths, prompter, clock);
    CMonitorDlg window(nullptr, false, monitor, paths, prompter, clock);
    window.OnInitDialog();
    window.show();
    Shoot(window, nullptr, "monitor");
    EXPECT_EQ(FieldText(window, "m_editStartStopLabel"), want.startLabel);
    // The window makes room for its longer texts rather than cutting them off, also at the smallest
    // size it may be given (a small screen, or a scale of 2, gives it no more).
    window.resize(window.minimumSize());
    QCoreApplication::sendPostedEvents();
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    for (const CValueField* value : window.findChildren<CValueField*>())
        EXPECT_GE(value->width(), value->fontMetrics().horizontalAdvance(value->Text()) + 2)
            << value->Text().toStdString();
    window.findChild<QPushButton*>(QStringLiteral("m_btnExit"))->click(); // answered No
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text.rfind(want.exitQuestionStart, 0), 0u) << prompter.shown[0].text;

    CPreferencesSheet preferences(prompter, paths);
    preferences.show();
    EXPECT_EQ(preferences.Tabs()->tabText(0).toStdString(), want.billingTab);
    EXPECT_EQ(preferences.Buttons()
                  ->button(QDialogButtonBox::Cancel)
                  ->text()
                  .remove(QLatin1Char('&'))
                  .toStdString(),
              want.cancel);
    Shoot(preferences, preferences.Tabs(), "preferences");

    CCallArray calls;
    CLogsAndReportsSheet logs(calls, clock, prompter);
    logs.show();
    auto* logTabs = logs.findChild<QTabWidget*>(QStringLiteral("m_tabs"));
    EXPECT_EQ(logTabs->tabText(0).toStdString(), want.callLogTab);
    Shoot(logs, logTabs, "logs");
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.locale); });
} // namespace
