#include "gui/prefs/PreferencesSheet.h"

#include "core/platform/Locale.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "gui/prefs/BillingPage.h"
#include "gui/prefs/LimitsPage.h"

#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The sheet as the user drives it: controls found by the name of the setting they hold.
class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
        // Screenshots show the symbol of the locale they are taken in.
        CurrencySymbol =
            qEnvironmentVariableIsEmpty("CORVELLAN_SCREENSHOT_DIR") ? "$" : LocaleCurrencySymbol();
        sheet = std::make_unique<CPreferencesSheet>(prompter);
        sheet->show();
    }
    void TearDown() override { CurrencySymbol.clear(); }

    template <class T = QLineEdit> T* Find(const char* name) const {
        return sheet->findChild<T*>(QString::fromLatin1(name));
    }
    void Type(const char* name, const QString& text) const {
        Find(name)->clear();
        QTest::keyClicks(Find(name), text);
    }
    void ClickTab(int index) const {
        QTabBar* bar = sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void Press(QDialogButtonBox::StandardButton button) const { sheet->Buttons()->button(button)->click(); }
    // Saves what the user sees when CORVELLAN_SCREENSHOT_DIR names a directory.
    void Shoot(const char* name) const {
        const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
        if (!out.isEmpty())
            sheet->grab().save(QDir(out).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }

    ScriptedPrompter prompter;
    std::unique_ptr<CPreferencesSheet> sheet;
};

TEST_F(SheetTest, OkWithoutChangesMarksTheSettingsForSavingAndF1AsksForThePagesHelp) {
    QSignalSpy help(sheet.get(), &CPreferencesSheet::helpRequested);
    EXPECT_EQ(sheet->windowTitle(), "Preferences");
    Shoot("prefs-billing");
    QTest::keyClick(Find("WeekdayDayRate"), Qt::Key_F1);
    ClickTab(1);
    Shoot("prefs-limits");
    ClickTab(2);
    Shoot("prefs-messages");
    QTest::keyClick(Find<QPlainTextEdit>("CallLimitMessage"), Qt::Key_F1);
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0][0].value<unsigned long>(), 0x20084ul);
    EXPECT_EQ(help[1][0].value<unsigned long>(), 0x20087ul);
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{});
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SheetTest, ValuesTypedOnEveryPageReachSettingsOnOkOnly) {
    Type("WeekdayDayRate", "2.75");
    Find<QCheckBox>("BreakIntervals")->click();
    ClickTab(1);
    Type("CallLimit", "12.5");
    Find<QCheckBox>("WarnMonth")->click();
    ClickTab(2);
    Find<QPlainTextEdit>("CallLimitMessage")->clear();
    QPlainTextEdit* day = Find<QPlainTextEdit>("DayLimitMessage");
    day->clear();
    for (const char* line : {"Stop.", "Now.", "Really."}) {
        QTest::keyClick(day, Qt::Key_Return);
        QTest::keyClicks(day, line);
    }
    ASSERT_TRUE(sheet->isVisible()) << "Enter starts a new line in a message";
    EXPECT_EQ(Settings, CSettings{}) << "nothing changes before OK";

    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(Settings.WeekdayDayRate, 2.75);
    EXPECT_TRUE(Settings.BreakIntervals);
    EXPECT_EQ(Settings.CallLimit, 12.5);
    EXPECT_FALSE(Settings.WarnMonth) << "a cleared warning box is stored";
    EXPECT_EQ(Settings.CallLimitMessage, "");
    EXPECT_EQ(Settings.DayLimitMessage, "\nStop.\nNow.\nReally.");
}

TEST_F(SheetTest, ARefusedValueKeepsTheUserOnItsPageWithTheFocusOnItAndCancelChangesNothing) {
    Type("DayStartsHours", "25");
    ClickTab(2);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
    EXPECT_EQ(sheet->focusWidget(), Find("DayStartsHours"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Corvellan");
    EXPECT_EQ(prompter.shown[0].text, "Please enter a whole number from 0 to 24.");

    Type("DayStartsHours", "6");
    ClickTab(1);
    Type("DayLimit", "-1");
    Press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->focusWidget(), Find("DayLimit"));
    EXPECT_EQ(Find("DayLimit")->selectedText(), "-1");
    EXPECT_EQ(prompter.shown.back().text, "Please enter a number from 0 to 1000000.");

    Find<QCheckBox>("WarnMonth")->click();
    Press(QDialogButtonBox::Cancel);
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_FALSE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{}) << "Cancel changes nothing";
}

TEST_F(SheetTest, MessagesTakeNoMoreThanTheSettingsFileGivesBack) {
    ClickTab(2);
    QPlainTextEdit* month = Find<QPlainTextEdit>("MonthLimitMessage");
    month->setPlainText(QString(250, QLatin1Char('a')));
    month->moveCursor(QTextCursor::Start);
    month->insertPlainText(QStringLiteral("0123456789"));
    EXPECT_EQ(month->toPlainText(), QStringLiteral("01234") + QString(250, QLatin1Char('a')))
        << "what goes beyond is cut from what was just pasted";
}

TEST_F(SheetTest, ShowsNumbersSymbolsAndPeriodsAsTheUserReadsThem) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    CurrencySymbol = "\u20AC";
    sheet = std::make_unique<CPreferencesSheet>(prompter);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(Find("WeekdayNightRate")->text(), "1,5");
    for (const auto& [page, count] :
         {std::pair<QWidget*, int>{sheet->BillingPage(), 4}, {sheet->LimitsPage(), 3}}) {
        const QList<QLabel*> labels = page->findChildren<QLabel*>();
        EXPECT_EQ(
            std::count_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "\u20AC"; }),
            count);
    }

    QLabel* periods = Find<QLabel>("m_textPeriods");
    EXPECT_EQ(periods->text(), "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31");
    Type("DayStartsHours", "23");
    EXPECT_EQ(periods->text(), "Every moment is charged at the night rate with these times");
}
} // namespace
