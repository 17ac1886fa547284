// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/PreferencesSheet.h"
#include "gui/prefs/BillingPage.h"

#include "core/platform/Locale.h"
#include "core/platform/Paths.h"
#include "gui/app/QtPrompter.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <clocale>
#include <filesystem>
#include <memory>

namespace {
// The sheet as the user drives it: controls found by the name of the setting they hold, the
// autostart entry in a temporary config directory.
class SheetTest : public FreshStateTest {
protected:
    SheetTest() {
        // Screenshots show the symbol of the locale they are taken in.
        if (!qEnvironmentVariableIsEmpty("CORVELLAN_SCREENSHOT_DIR"))
            CurrencySymbol = LocaleCurrencySymbol();
        Open();
    }
    void Open() {
        sheet = std::make_unique<CPreferencesSheet>(prompter, paths);
        sheet->show();
    }

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
    bool Autostarts() const {
        return std::filesystem::exists(paths.ConfigDir() + "autostart/io.github.corvellan.Corvellan.desktop");
    }

    TempDir dir;
    Paths paths{dir.File("config/"), dir.File("data/")};
    ScriptedPrompter prompter;
    std::unique_ptr<CPreferencesSheet> sheet;
};

// Cancel changes nothing; OK takes every page as it stands, even unchanged, and the General page's
// box writes or removes the autostart entry. F1 asks for the help of the page in front.
TEST_F(SheetTest, CancelChangesNothingOkAppliesEveryPageAndF1AsksForThePagesHelp) {
    Find<QCheckBox>("BreakIntervals")->click();
    ClickTab(3);
    Find<QCheckBox>("StartAtLogin")->click();
    Press(QDialogButtonBox::Cancel);
    EXPECT_FALSE(SettingsChanged || Autostarts());

    Open();
    QSignalSpy help(sheet.get(), &CPreferencesSheet::helpRequested);
    const QString shots = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
    const char* names[] = {"prefs-billing.png", "prefs-limits.png", "prefs-messages.png", "prefs-general.png",
                           "prefs-connection.png"};
    for (int tab : {3, 4, 0, 1, 2}) {
        ClickTab(tab);
        if (!shots.isEmpty()) // what the user sees, for the documentation
            sheet->grab().save(QDir(shots).filePath(QString::fromLatin1(names[tab])));
    }
    QTest::keyClick(Find<QPlainTextEdit>("CallLimitMessage"), Qt::Key_F1);
    EXPECT_EQ(help.size() == 1 ? help[0][0].value<unsigned long>() : 0, 0x20087ul);
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(Settings, CSettings{});

    for (const bool login : {true, false}) {
        Open();
        ClickTab(3);
        auto* box = Find<QCheckBox>("StartAtLogin");
        EXPECT_EQ(box->isChecked(), !login);
        box->setChecked(login);
        Press(QDialogButtonBox::Ok);
        // The entry written, with the program as it was started wherever it lies, or removed.
        EXPECT_EQ(TempDir::Read(paths.ConfigDir() + "autostart/io.github.corvellan.Corvellan.desktop")
                          .find("\nExec=" + QCoreApplication::applicationFilePath().toStdString()) !=
                      std::string::npos,
                  login);
    }
    EXPECT_TRUE(prompter.shown.empty());
}

// Values typed on each page survive the switches and reach Settings on OK only; a refused value
// keeps the user on its page with the focus on it.
TEST_F(SheetTest, TypedValuesReachSettingsOnOkAndARefusedOneKeepsTheFocus) {
    Type("WeekdayDayRate", "2.75");
    Find<QCheckBox>("BreakIntervals")->click();
    Type("DayStartsHours", "25");
    ClickTab(2);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
    EXPECT_EQ(sheet->focusWidget(), Find("DayStartsHours"));
    EXPECT_EQ(prompter.shown.size() == 1 ? prompter.shown[0].text : "",
              "\"Daytime\" starts at (hour): Please enter a whole number from 0 to 24.");

    Type("DayStartsHours", "6");
    ClickTab(2);
    // A message takes no more than the settings file gives back: what goes beyond is cut from what
    // was just pasted.
    QPlainTextEdit* month = Find<QPlainTextEdit>("MonthLimitMessage");
    month->setPlainText(QString(250, QLatin1Char('a')));
    month->moveCursor(QTextCursor::Start);
    month->insertPlainText(QStringLiteral("0123456789"));
    EXPECT_EQ(month->toPlainText(), QStringLiteral("01234") + QString(250, QLatin1Char('a')));
    QPlainTextEdit* day = Find<QPlainTextEdit>("DayLimitMessage");
    day->clear();
    for (const char* line : {"Stop.", "Now."}) {
        QTest::keyClick(day, Qt::Key_Return);
        QTest::keyClicks(day, line);
    }
    ClickTab(1);
    Type("CallLimit", "12.5");
    Find<QCheckBox>("WarnMonth")->click();
    Type("DayLimit", "-1");
    Press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet->isVisible()) << "refused; the focus: see ARefusalNamesItsFieldAndTheBoxKeepsOffIt";
    EXPECT_EQ(Settings, CSettings{}) << "nothing changes before OK, and Enter starts a new line in a message";

    Type("DayLimit", "0");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(std::tie(Settings.WeekdayDayRate, Settings.BreakIntervals, Settings.CallLimit,
                       Settings.WarnMonth, Settings.DayLimitMessage, Settings.MonthLimitMessage),
              std::tuple(2.75, true, 12.5, false, "\nStop.\nNow.", "01234" + std::string(250, 'a')))
        << "a cleared warning box is stored too";
}

// A refused value is named in its message; the box is asked to keep off the field and is placed
// so, below it or, at the foot of the screen, above it. The field has the focus back, its text
// selected.
TEST_F(SheetTest, ARefusalNamesItsFieldAndTheBoxKeepsOffIt) {
    const std::tuple<int, const char*, const char*, bool, std::string> rows[] = {
        {0, "WeekdayDayRate", "x", false, "Weekday daytime rate: Please enter a number of 0 or more."},
        {0, "MinimumCharge", "2e7", true,
         "Minimum charge per call: Please enter a number from 0 to 1000000."},
        {0, "CurrencySymbol", "123456789", false,
         "Currency symbol: Please enter a currency symbol of at most 8 characters, or nothing for your "
         "locale's."},
        {1, "EarlyWarningPercent", "30", true,
         "Also warn at (% of each limit): Please enter 0 for no early warning, or a whole number from 50 to "
         "99."}};
    const QRect screen = sheet->screen()->availableGeometry();
    for (const auto& [tab, name, typed, atFoot, message] : rows) {
        Open();
        ClickTab(tab);
        QLineEdit* field = Find(name);
        if (atFoot)
            sheet->move(sheet->x(),
                        sheet->y() + screen.bottom() - field->mapToGlobal(field->rect().bottomLeft()).y());
        Type(name, typed);
        prompter.shown.clear();
        Press(QDialogButtonBox::Ok);
        const QRect geometry(field->mapToGlobal(QPoint(0, 0)), field->size());
        const ScreenRect clear =
            prompter.shown.size() == 1 ? prompter.shown[0].keepClear.value_or(ScreenRect{}) : ScreenRect{};
        const QRect box = QtPrompter::PlaceBeside(QSize(360, 140), geometry, screen);
        EXPECT_EQ(std::tuple(prompter.shown.size() == 1 ? prompter.shown[0].text : "",
                             QRect(clear.x, clear.y, clear.width, clear.height) == geometry,
                             screen.contains(box) && !box.intersects(geometry), sheet->focusWidget() == field,
                             field->selectedText().toStdString()),
                  std::tuple(message, true, true, true, std::string(typed)))
            << name;
    }
}

// The tariff options reach Settings on OK: a weekend day by its digit (Friday is 6), holidays added
// with the date picker and removed from the list.
TEST_F(SheetTest, TariffOptionsReachSettingsOnOk) {
    Find<QCheckBox>("WeekendDay1")->click();
    Find<QCheckBox>("WeekendDay6")->click();
    EXPECT_EQ(Find<QCheckBox>("WeekendDay6")->text(), "Fri");
    for (const QDate date : {QDate(2024, 12, 26), QDate(2023, 12, 25), QDate(2024, 1, 1)}) {
        Find<QDateEdit>("HolidayDate")->setDate(date);
        Find<QCheckBox>("HolidayEveryYear")->setChecked(date.day() == 25);
        Find<QPushButton>("AddHoliday")->click();
    }
    Find<QListWidget>("Holidays")->setCurrentRow(0);
    Find<QPushButton>("RemoveHoliday")->click();
    EXPECT_EQ(Find<QListWidget>("Holidays")->item(0)->text(), "25 December, every year");
    Type("CallFee", "0.5");
    Type("MinimumCharge", "2");
    ClickTab(1);
    Type("EarlyWarningPercent", "80");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(std::tuple(Settings.CallFee, Settings.MinimumCharge, Settings.WeekendDays.to_string(),
                         FormatHolidays(Settings.Holidays), Settings.EarlyWarningPercent),
              std::tuple(0.5, 2.0, "1100000", "12-25,2024-12-26", 80u));
}

// The Connection page lists this machine's links (the loopback is everywhere); a name no link can
// have keeps the user on the page. F1 asks for the page's own help.
TEST_F(SheetTest, ConnectionPageListsTheLinksAndRefusesANameNoLinkCanHave) {
    QSignalSpy help(sheet.get(), &CPreferencesSheet::helpRequested);
    ClickTab(4);
    auto* link = Find<QComboBox>("Interface");
    EXPECT_NE(link->findText("lo"), -1);
    QTest::keyClick(link, Qt::Key_F1);
    link->setEditText("ppp 0");
    Press(QDialogButtonBox::Ok);
    EXPECT_TRUE(sheet->isVisible() && sheet->focusWidget() == link && prompter.shown.size() == 1);
    EXPECT_EQ(help.size() == 1 ? help[0][0].value<unsigned long>() : 0, 112ul);
}

TEST_F(SheetTest, ShowsNumbersAndPeriodsAsTheUserReadsThem) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    sheet = std::make_unique<CPreferencesSheet>(prompter, paths);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(Find("WeekdayNightRate")->text(), "1,5");

    QLabel* periods = Find<QLabel>("m_textPeriods");
    EXPECT_EQ(periods->text(), "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31");
    Type("DayStartsHours", "23");
    EXPECT_EQ(periods->text(), "Every moment is charged at the night rate with these times");
}

// The start day of the billing period: the period it makes of today is said as it is typed.
TEST_F(SheetTest, TheStartDayOfTheBillingPeriodSaysThePeriodItMakes) {
    sheet->findChild<CBillingPage*>()->now = [] {
        return CTime(2026, 11, 20, 12, 0, 0);
    };
    Type("PeriodStartDay", "15");
    EXPECT_EQ(Find<QLabel>("m_textBillingPeriod")->text(), "This period: 15 November to 14 December");
    Type("PeriodStartDay", "32");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(prompter.shown.size(), 1u) << "refused";
    Type("PeriodStartDay", "31");
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(Settings.PeriodStartDay, 31u);
}
} // namespace
