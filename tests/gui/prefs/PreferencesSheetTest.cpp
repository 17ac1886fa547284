#include "gui/prefs/PreferencesSheet.h"

#include "core/platform/Locale.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "gui/prefs/BillingPage.h"
#include "gui/prefs/LimitsPage.h"
#include "gui/prefs/MessagesPage.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

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
class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
        // Screenshots show the symbol of the locale they are taken in.
        CurrencySymbol =
            qEnvironmentVariableIsEmpty("CORVELLAN_SCREENSHOT_DIR") ? "$" : LocaleCurrencySymbol();
    }
    void TearDown() override {
        CurrencySymbol.clear();
        Settings = CSettings{};
    }

    CPreferencesSheet& Open() {
        sheet = std::make_unique<CPreferencesSheet>(prompter);
        sheet->show();
        return *sheet;
    }
    template <class T = QLineEdit> T* Find(const char* name) const {
        T* widget = sheet->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Type(const char* name, const QString& text) {
        QLineEdit* edit = Find(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void ClickTab(int index) {
        QTabBar* bar = sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Saves what the user sees when CORVELLAN_SCREENSHOT_DIR names a directory.
    void Shoot(const char* name) const {
        const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
        if (!out.isEmpty())
            sheet->grab().save(QDir(out).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    }
    void Press(QDialogButtonBox::StandardButton button) { sheet->Buttons()->button(button)->click(); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const ScriptedPrompter::Shown& shown : prompter.shown)
            texts.push_back(shown.text);
        return texts;
    }

    ScriptedPrompter prompter;
    std::unique_ptr<CPreferencesSheet> sheet;
};

TEST_F(SheetTest, OkWithoutChangesMarksTheSettingsForSavingAndCancelChangesNothing) {
    Open();
    EXPECT_EQ(sheet->windowTitle(), "Preferences");
    ASSERT_EQ(sheet->Tabs()->count(), 3);
    EXPECT_EQ(sheet->Tabs()->tabText(2), "Messages");
    Shoot("prefs-billing");
    ClickTab(1);
    Shoot("prefs-limits");
    ClickTab(2);
    Shoot("prefs-messages");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{});
    EXPECT_TRUE(prompter.shown.empty());

    SettingsChanged = false;
    Open();
    Type("WeekdayDayRate", "9");
    ClickTab(1);
    Find<QCheckBox>("WarnMonth")->click();
    Press(QDialogButtonBox::Cancel);
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_FALSE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{});
}

TEST_F(SheetTest, ValuesTypedOnEveryPageReachSettingsAndSurviveARestart) {
    Open();
    Type("WeekdayDayRate", "2.75");
    Type("DayStartsHours", "24");
    Type("NightStartsMinutes", "60");
    Find<QCheckBox>("BreakIntervals")->click();
    ClickTab(1);
    Type("CallLimit", "12.5");
    Type("MonthLimit", "1000000");
    Find<QCheckBox>("WarnMonth")->click();
    ClickTab(2);
    Find<QPlainTextEdit>("CallLimitMessage")->clear();
    QPlainTextEdit* day = Find<QPlainTextEdit>("DayLimitMessage");
    day->clear();
    QTest::keyClicks(day, "Stop.");
    QTest::keyClick(day, Qt::Key_Return);
    QTest::keyClicks(day, "Now.");
    QTest::keyClick(day, Qt::Key_Return);
    QTest::keyClicks(day, "Really.");
    ASSERT_TRUE(sheet->isVisible()) << "Enter starts a new line in a message";
    Press(QDialogButtonBox::Ok);
    ASSERT_EQ(sheet->result(), QDialog::Accepted);

    TempDir dir;
    const Paths paths(dir.File("config"), dir.File("data"));
    ASSERT_TRUE(SaveSettings(paths, prompter));
    Settings = CSettings{};
    LoadSettings(paths, prompter);
    EXPECT_EQ(Settings.WeekdayDayRate, 2.75);
    EXPECT_EQ(Settings.DayStartsHours, 24u);
    EXPECT_EQ(Settings.NightStartsMinutes, 60u);
    EXPECT_TRUE(Settings.BreakIntervals);
    EXPECT_EQ(Settings.CallLimit, 12.5);
    EXPECT_EQ(Settings.MonthLimit, 1000000);
    EXPECT_FALSE(Settings.WarnMonth) << "a cleared warning box is stored";
    EXPECT_EQ(Settings.CallLimitMessage, "");
    EXPECT_EQ(Settings.DayLimitMessage, "Stop.\nNow.\nReally.");
    EXPECT_EQ(Settings.MonthLimitMessage, CSettings{}.MonthLimitMessage);
}

TEST_F(SheetTest, ARefusedValueKeepsTheUserOnItsPageWithTheFocusOnIt) {
    Open();
    Type("DayStartsHours", "25");
    ClickTab(2);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
    EXPECT_EQ(sheet->focusWidget(), Find("DayStartsHours"));
    ASSERT_EQ(Messages(), std::vector<std::string>{"Please enter a whole number from 0 to 24."});
    EXPECT_EQ(prompter.shown[0].caption, "Corvellan");

    Type("DayStartsHours", "6");
    ClickTab(1);
    ASSERT_EQ(sheet->Tabs()->currentIndex(), 1);
    Type("DayLimit", "-1");
    Press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->focusWidget(), Find("DayLimit"));
    EXPECT_EQ(Find("DayLimit")->selectedText(), "-1");
    EXPECT_EQ(Messages().back(), "Please enter a number from 0 to 1000000.");
    EXPECT_FALSE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{});
}

TEST_F(SheetTest, MessagesKeepNoMoreThanTheSettingsFileGivesBack) {
    Open();
    ClickTab(2);
    QPlainTextEdit* month = Find<QPlainTextEdit>("MonthLimitMessage");
    month->setPlainText(QString(250, QLatin1Char('a')));
    month->moveCursor(QTextCursor::Start);
    month->insertPlainText(QStringLiteral("0123456789"));
    EXPECT_EQ(month->toPlainText(), QStringLiteral("01234") + QString(250, QLatin1Char('a')))
        << "what goes beyond is cut from what was just pasted";
    QTest::keyClicks(month, "z");
    EXPECT_EQ(month->toPlainText().size(), 255);
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(Settings.MonthLimitMessage.size(), 255u);
}

TEST_F(SheetTest, ShowsNumbersAndPeriodsAsTheUserReadsThem) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    const std::unique_ptr<const char, void (*)(const char*)> restore(
        saved.c_str(), [](const char* locale) { std::setlocale(LC_ALL, locale); });
    CurrencySymbol = "\u20AC";
    Open();
    EXPECT_EQ(Find("WeekdayNightRate")->text(), "1,5");
    auto symbols = [](const QWidget* page) {
        const QList<QLabel*> labels = page->findChildren<QLabel*>();
        return std::count_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "\u20AC"; });
    };
    EXPECT_EQ(symbols(sheet->BillingPage()), 4);
    EXPECT_EQ(symbols(sheet->LimitsPage()), 3);
    QLabel* periods = Find<QLabel>("m_textPeriods");
    EXPECT_EQ(periods->text(), "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31");
    Type("DayStartsHours", "23");
    EXPECT_EQ(periods->text(), "Every moment is charged at the night rate with these times");
    Type("WeekendDayRate", "1,25");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(Settings.WeekendDayRate, 1.25);
}

TEST_F(SheetTest, F1AsksForTheHelpOfThePageInFront) {
    Open();
    QSignalSpy help(sheet.get(), &CPreferencesSheet::helpRequested);
    QTest::keyClick(Find("WeekdayDayRate"), Qt::Key_F1);
    ClickTab(2);
    QTest::keyClick(Find<QPlainTextEdit>("CallLimitMessage"), Qt::Key_F1);
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0][0].value<unsigned long>(), 0x20084ul);
    EXPECT_EQ(help[1][0].value<unsigned long>(), 0x20087ul);
}
} // namespace
