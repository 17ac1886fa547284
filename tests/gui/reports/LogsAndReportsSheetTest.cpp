// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/LogsAndReportsSheet.h"
#include "core/platform/FakeClock.h"
#include "core/reports/CallsCsv.h"
#include "core/reports/ReportText.h"
#include "gui/reports/ChartPage.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/ReportPage.h"
#include "gui/reports/SpendingChart.h"
#include "gui/reports/YearPage.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <clocale>
#include <memory>
#include <set>

namespace {
// The sheet over calls one a day from Friday 1 March 2024 at 20:00 (2 a minute on the Friday, 1.50
// at the weekend), a clock standing on Tuesday 12 March and scripted answers.
class SheetTest : public FreshStateTest {
protected:
    SheetTest() { std::setlocale(LC_TIME, "C"); } // dates as the expected texts write them
    CLogsAndReportsSheet& Open(std::initializer_list<int> minutes) {
        calls.RemoveAll();
        int day = 1;
        for (const int m : minutes) {
            const CTime start(2024, 3, day++, 20, 0, 0);
            calls.Add(CCallRecord(start, start + CTimeSpan(m * 60)));
        }
        sheet = std::make_unique<CLogsAndReportsSheet>(calls, clock, prompter);
        sheet->show();
        return *sheet;
    }
    // The number of rows and the first row of the list, then the three totals.
    std::string Shown() const {
        const QAbstractItemModel* model = sheet->m_logPage->m_ctlCallList->model();
        std::string text = std::to_string(model->rowCount()) + " | ";
        for (int column = 0; model->rowCount() > 0 && column < 3; ++column)
            text += model->data(model->index(0, column)).toString().toStdString() + " | ";
        for (const char* name : {"m_editTotalCalls", "m_editTimeOnline", "m_editTotalCost"})
            text += sheet->findChild<QLineEdit*>(name)->text().toStdString() + " ";
        return text;
    }

    CCallArray calls;
    FakeClock clock{CTime(2024, 3, 12, 18, 0, 0)};
    ScriptedPrompter prompter;
    std::unique_ptr<CLogsAndReportsSheet> sheet;
};

// The list, its totals and its CSV; an empty month leaves nothing to clear or export.
TEST_F(SheetTest, ListsTheCallsWithTheTotalsAndExportsThem) {
    TempDir dir;
    prompter.saveAnswers = {dir.File("march.csv")};
    Open({59, 60, 40}).m_logPage->m_btnExportCsv->click();
    EXPECT_EQ(Shown(), "3 | 03/01/24 20:00:00 | 00:59:00 | $118.00 | 3 2:39:00 $268.00 ");
    EXPECT_EQ(TempDir::Read(dir.File("march.csv")), BuildCallsCsv(calls));

    Open({});
    EXPECT_EQ(Shown(), "0 | 0 00:00:00 $0.00 ");
    EXPECT_FALSE(sheet->m_logPage->m_ctlClearLog->isEnabled() ||
                 sheet->m_logPage->m_btnExportCsv->isEnabled());
    EXPECT_TRUE(sheet->IsListEmpty());
}

// An empty month's total is written as every amount is, where the locale writes money its own way.
TEST_F(SheetTest, AnEmptyMonthsTotalIsWrittenAsTheLocaleWritesMoney) {
    const std::string before = std::setlocale(LC_MONETARY, nullptr);
    if (std::setlocale(LC_MONETARY, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed here";
    const std::string symbol = CurrencySymbol;
    CurrencySymbol = "\u20ac";
    Open({});
    EXPECT_EQ(Shown(), "0 | 0 00:00:00 0,00 \u20ac ");
    CurrencySymbol = symbol;
    std::setlocale(LC_MONETARY, before.c_str());
}

// Clearing empties the list shown and what the report reads; the calls are the owner's to empty, so
// Cancel leaves them. The report is written when its page is first shown, and not again. F1 names
// the page in front.
TEST_F(SheetTest, ClearLogAsksThenEmptiesTheListShownAndTheReportItReads) {
    Settings.MonthLimit = 100;
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        prompter.yesNoAnswers = {yes};
        CLogsAndReportsSheet& dlg = Open({10, 20});
        QSignalSpy help(&dlg, &CLogsAndReportsSheet::helpRequested);
        dlg.m_logPage->m_ctlClearLog->click();
        EXPECT_EQ(Shown().substr(0, 2), yes ? "0 " : "2 ");
        EXPECT_EQ(dlg.m_logPage->m_ctlClearLog->isEnabled(), !yes);
        EXPECT_EQ(dlg.IsListEmpty(), yes);
        QTest::keyClick(&dlg, Qt::Key_F1);
        clock.Advance(86400);
        dlg.m_tabs->setCurrentIndex(1);
        QTest::keyClick(&dlg, Qt::Key_F1);
        const std::string written = BuildReportWithPace(yes ? CCallArray() : calls, clock.Now(), 100);
        clock.Advance(86400);
        dlg.m_tabs->setCurrentIndex(0);
        dlg.m_tabs->setCurrentIndex(1);
        EXPECT_EQ(dlg.m_reportPage->m_editReport->toPlainText(),
                  QString::fromStdString(written).remove('\r'));
        ASSERT_EQ(help.size(), 2);
        EXPECT_EQ(help[0][0].toULongLong(), 0x2008Au);
        EXPECT_EQ(help[1][0].toULongLong(), 0x2008Cu);
        dlg.m_buttons->button(QDialogButtonBox::Cancel)->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
}

// A real-looking month: one to three evening calls a day up to today, the 19th. Each tab is saved
// as the user sees it when CORVELLAN_SCREENSHOT_DIR names a directory.
TEST_F(SheetTest, ChartShowsEachDayTodayApartAndTheDayLimit) {
    Settings.DayLimit = 80;
    Settings.MonthLimit = 2500;
    for (int day = 1; day <= 19; ++day)
        for (int n = 0; n <= day % 3; ++n) {
            const CTime start(2024, 3, day, 18 + 2 * n, day * 7 % 60, n * 17);
            calls.Add(CCallRecord(start, start + CTimeSpan(60 * (5 + (day + n) * 13 % 30) + day * 11 % 60)));
        }
    clock.Set(CTime(2024, 3, 19, 23, 40, 0));
    CLogsAndReportsSheet dlg(calls, clock, prompter);
    dlg.show();
    const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
    const char* names[] = {"logs-call-log.png", "logs-report.png", "logs-chart.png", "logs-year.png"};
    for (int tab = 0; tab < 4; ++tab) {
        dlg.m_tabs->setCurrentIndex(tab);
        if (!out.isEmpty())
            dlg.grab().save(QDir(out).filePath(QString::fromLatin1(names[tab])));
    }
    CSpendingChart& chart = *dlg.m_chartPage->m_chart;
    ASSERT_EQ(chart.PerDay().size(), 19u);
    EXPECT_EQ(chart.DayLimit(), 80.0);
    EXPECT_GT(chart.Scale().top, 80.0) << "the limit line is on the chart";
    // Drawn as the figures say: today's bar, the others and the limit each in its colour.
    const QImage image = chart.grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    for (const QColor& colour :
         {CSpendingChart::kEarlierColour, CSpendingChart::kTodayColour, CSpendingChart::kLimitColour})
        EXPECT_TRUE(colours.contains(colour.rgb() & 0xFFFFFF)) << colour.name().toStdString();
}

// The choice of month drives the pages: an ended month is shown as it was and cannot be cleared, a
// damaged file says what is wrong with it; the Year page follows the choice, this month set apart.
TEST_F(SheetTest, TheChoiceOfMonthDrivesThePagesAndTheYear) {
    calls.Add(CCallRecord(CTime(2024, 3, 1, 20, 0, 0), CTime(2024, 3, 1, 20, 10, 0)));
    const PastMonth february{CBillingPeriod::StartingIn(2024, 2, 1),
                             {{CTime(2024, 2, 9, 20, 0, 0), CTime(2024, 2, 9, 20, 30, 0)}},
                             "",
                             ""};
    const PastMonth december{CBillingPeriod::StartingIn(2023, 12, 1),
                             {},
                             "2023-12-01.log",
                             "2023-12-01.log holds what Corvellan does not write"};
    sheet = std::make_unique<CLogsAndReportsSheet>(calls, clock, prompter, nullptr,
                                                   std::vector<PastMonth>{february, december});
    sheet->show();
    QComboBox& months = *sheet->m_comboMonth;
    ASSERT_EQ(months.count(), 3);
    EXPECT_EQ(months.itemText(2), "December 2023 (damaged)");
    sheet->m_tabs->setCurrentIndex(1);
    months.setCurrentIndex(1);
    EXPECT_EQ(Shown(), "1 | 02/09/24 20:00:00 | 00:30:00 | $60.00 | 1 00:30:00 $60.00 ");
    EXPECT_FALSE(sheet->m_logPage->m_ctlClearLog->isEnabled());
    EXPECT_TRUE(sheet->m_reportPage->m_editReport->toPlainText().startsWith("- Report for February 2024 :"));
    sheet->m_tabs->setCurrentIndex(2);
    EXPECT_EQ(
        std::pair(sheet->m_chartPage->m_chart->PerDay().size(), sheet->m_chartPage->m_chart->Highlighted()),
        std::pair(std::size_t{29}, -1));
    months.setCurrentIndex(2);
    EXPECT_EQ(sheet->m_yearPage->Year(), 2023);
    months.setCurrentIndex(0);
    EXPECT_TRUE(sheet->m_logPage->m_ctlClearLog->isEnabled());
    sheet->m_tabs->setCurrentIndex(3);
    EXPECT_EQ(sheet->m_yearPage->m_tableYear->item(1, 3)->text(), "$60.00");
    EXPECT_EQ(sheet->m_yearPage->m_labelTotal->text(), "2024 in all: 2 calls made, 00:40:00 online, $80.00");
    EXPECT_EQ(sheet->m_yearPage->m_chart->Highlighted(), 2);
}
} // namespace
