#include "gui/reports/LogsAndReportsSheet.h"
#include "core/billing/CallArray.h"
#include "core/platform/FakeClock.h"
#include "core/platform/ProgramState.h"
#include "core/reports/CallsCsv.h"
#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"
#include "gui/reports/CallListModel.h"
#include "gui/reports/ChartPage.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/ReportPage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The sheet over a month of calls, a clock standing on Tuesday 12 March 2024 and scripted answers.
class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        CurrencySymbol = "$";
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override { CurrencySymbol.clear(); }

    // Calls of the given minutes, one a day from Friday 1 March at 20:00: 2 a minute on the Friday, 1.50
    // at the weekend.
    void AddCalls(std::initializer_list<int> minutes) {
        int day = 1;
        for (const int m : minutes) {
            const CTime start(2024, 3, day++, 20, 0, 0);
            calls.Add(CCallRecord(start, start + CTimeSpan(m * 60)));
        }
    }
    CLogsAndReportsSheet& Open() {
        sheet = std::make_unique<CLogsAndReportsSheet>(calls, clock, prompter);
        sheet->show();
        return *sheet;
    }
    std::string Total(const char* name) const {
        return sheet->findChild<QLineEdit*>(name)->text().toStdString();
    }
    std::string Totals() const {
        return Total("m_editTotalCalls") + " " + Total("m_editTimeOnline") + " " + Total("m_editTotalCost");
    }
    std::string Cell(int row, int column) const {
        const QAbstractItemModel* model = sheet->m_logPage->m_ctlCallList->model();
        return model->data(model->index(row, column)).toString().toStdString();
    }
    int Rows() const { return sheet->m_logPage->m_ctlCallList->model()->rowCount(); }

    TzGuard tz{"UTC0"};
    CCallArray calls;
    FakeClock clock{CTime(2024, 3, 12, 18, 0, 0)};
    ScriptedPrompter prompter;
    std::unique_ptr<CLogsAndReportsSheet> sheet;
};

TEST_F(SheetTest, ListsTheMonthUnderItsHeadingsWithItsTotals) {
    AddCalls({59, 60, 40});
    CLogsAndReportsSheet& dlg = Open();
    EXPECT_EQ(dlg.windowTitle(), "Logs and Reports");
    EXPECT_EQ(dlg.m_tabs->tabText(0), "          Call Log          ");
    EXPECT_EQ(dlg.m_tabs->tabText(1), "            Report            ");
    EXPECT_EQ(dlg.m_tabs->tabText(2), "Chart");
    const QAbstractItemModel* model = dlg.m_logPage->m_ctlCallList->model();
    const char* headings[] = {"Call started at", "Call Duration", "Call Cost "};
    const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter, Qt::AlignCenter};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), headings[column]);
        EXPECT_EQ(model->data(model->index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  alignments[column]);
    }
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(1, 0) + " | " + Cell(1, 1) + " | " + Cell(1, 2), "03/02/24 20:00:00 | 1:00:00 | $90.00");
    EXPECT_EQ(Totals(), "3 2:39:00 $268.00");
    EXPECT_TRUE(dlg.m_logPage->m_ctlClearLog->isEnabled());
    EXPECT_FALSE(dlg.IsListEmpty());
}

TEST_F(SheetTest, AnEmptyMonthShowsZeroTotalsAndCannotBeCleared) {
    CLogsAndReportsSheet& dlg = Open();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Totals(), "0 00:00:00 $0.00");
    EXPECT_FALSE(dlg.m_logPage->m_ctlClearLog->isEnabled());
    EXPECT_FALSE(dlg.m_logPage->m_btnExportCsv->isEnabled());
    EXPECT_TRUE(dlg.IsListEmpty());
}

// Clearing empties the list shown and what the other pages read; the calls themselves are the
// owner's to empty, and only after OK.
TEST_F(SheetTest, ClearLogAsksThenEmptiesOnlyTheListShown) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        calls.RemoveAll();
        AddCalls({10, 20});
        prompter = ScriptedPrompter();
        prompter.yesNoAnswers = {yes};
        CLogsAndReportsSheet& dlg = Open();
        dlg.m_logPage->m_ctlClearLog->click();
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].caption, "Clear Call Log ?");
        EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Exclamation);
        EXPECT_EQ(
            prompter.shown[0].text,
            "WARNING: It is highly unrecommended to clear the call log for the current month, since you "
            "will then lose all information about the calls you have made and their total cost. Are you "
            "sure you want to do this ?");
        EXPECT_EQ(Rows(), yes ? 0 : 2);
        EXPECT_EQ(Totals(), yes ? "0 00:00:00 $0.00" : "2 00:30:00 $50.00");
        EXPECT_EQ(dlg.m_logPage->m_ctlClearLog->isEnabled(), !yes);
        EXPECT_EQ(dlg.IsListEmpty(), yes);
        dlg.m_tabs->setCurrentIndex(1);
        EXPECT_TRUE(dlg.m_reportPage->m_editReport->toPlainText().contains(yes ? "made 0 call(s)"
                                                                               : "made 2 call(s)"));
        dlg.m_buttons->button(QDialogButtonBox::Cancel)->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(calls.GetSize(), 2) << "the sheet never changes the month's list";
    }
    Open().m_buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

TEST_F(SheetTest, ExportCsvWritesTheMonthWhereTheUserChose) {
    AddCalls({10, 20});
    TempDir dir;
    prompter.saveAnswers = {dir.File("march.csv")};
    Open().m_logPage->m_btnExportCsv->click();
    ASSERT_EQ(prompter.Count(ScriptedPrompter::Kind::SaveAs), 1);
    EXPECT_EQ(prompter.shown[0].caption, "Calls-2024-03");
    EXPECT_EQ(TempDir::Read(dir.File("march.csv")), BuildCallsCsv(calls));
}

TEST_F(SheetTest, ReportIsWrittenWhenItsPageIsFirstShownAndMayBeEdited) {
    AddCalls({10, 20});
    Settings.MonthLimit = 100;
    CLogsAndReportsSheet& dlg = Open();
    QPlainTextEdit* report = dlg.m_reportPage->m_editReport;
    EXPECT_TRUE(report->toPlainText().isEmpty());
    const std::string expected = BuildReportWithPace(calls, clock.Now(), 100);
    clock.Advance(86400);
    dlg.m_tabs->setCurrentIndex(1);
    EXPECT_EQ(report->toPlainText(),
              QString::fromStdString(BuildReportWithPace(calls, clock.Now(), 100)).remove('\r'));
    EXPECT_NE(report->toPlainText().toStdString(), expected) << "the report is of the moment it is shown";
    EXPECT_FALSE(report->isReadOnly());
    dlg.m_tabs->setCurrentIndex(0);
    clock.Advance(86400);
    dlg.m_tabs->setCurrentIndex(1);
    EXPECT_TRUE(report->toPlainText().contains("first 13 days")) << "written once";
}

TEST_F(SheetTest, ChartShowsEachDayAndTheDayLimitWhenSet) {
    AddCalls({10, 0, 20});
    for (const double limit : {0.0, 50.0}) {
        Settings.DayLimit = limit;
        CLogsAndReportsSheet& dlg = Open();
        dlg.m_tabs->setCurrentIndex(2);
        const QChart* chart = dlg.m_chartPage->m_chartView->chart();
        EXPECT_EQ(chart->series().size(), limit ? 2 : 1) << limit;
        EXPECT_EQ(dlg.m_chartPage->m_labelProjection->text().toStdString(),
                  BuildProjectionText(calls, clock.Now(), Settings.MonthLimit));
    }
}

TEST_F(SheetTest, F1AsksForTheHelpOfThePageShown) {
    CLogsAndReportsSheet& dlg = Open();
    QSignalSpy spy(&dlg, &CLogsAndReportsSheet::helpRequested);
    QTest::keyClick(&dlg, Qt::Key_F1);
    dlg.m_tabs->setCurrentIndex(1);
    QTest::keyClick(&dlg, Qt::Key_F1);
    ASSERT_EQ(spy.size(), 2);
    EXPECT_EQ(spy[0][0].toULongLong(), 0x2008Au);
    EXPECT_EQ(spy[1][0].toULongLong(), 0x2008Cu);
}
} // namespace
