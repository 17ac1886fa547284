#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorApp.h"
#include "gui/monitor/AboutDlg.h"
#include "gui/monitor/MonitorDlg.h"
#include "core/platform/FakeClock.h"
#include "gui/app/QtPrompter.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs check on the next modal dialog of type T as soon as it opens, then closes it.
template <typename T> void WhenModalOpens(std::function<void(T*)> check) {
    QTimer::singleShot(50, [check] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(dialog);
        dialog->close();
    });
}

TEST(QtPrompterTest, ShowsUsersTextsAsPlainText) {
    QtPrompter prompter;
    std::string shownText;
    Qt::TextFormat format = Qt::RichText;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
        shownText = box->text().toStdString();
        format = box->textFormat();
        EXPECT_EQ(box->windowTitle(), "Corvellan");
    });
    prompter.ShowMessage("Corvellan", "<b>bold?</b> %s", PromptIcon::Exclamation);
    EXPECT_EQ(shownText, "<b>bold?</b> %s");
    EXPECT_EQ(format, Qt::PlainText);
}

TEST(QtPrompterTest, TurnsTheLogFilterIntoQtNameFilters) {
    EXPECT_EQ(QtPrompter::NameFilters("Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"),
              (QStringList{"Text Files(*.txt)", "All Files(*.*)"}));
}

TEST(AboutTest, ShowsTheVersionAndClosesWithOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Corvellan");
    EXPECT_EQ(about.findChild<QLabel*>("versionLabel")->text(), "Corvellan Version 1.0");
    QTimer::singleShot(50, &about, [&about] {
        QTest::keyClick(&about, Qt::Key_Return); // OK is the default button
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(HelpTest, HelpContentsAndF1OpenTheirTopics) {
    TempDir dir;
    ScriptedPrompter prompter;
    FakeClock clock(CTime(2026, 12, 2, 14, 0, 0));
    CMonitorApp app(Paths(dir.File("config"), dir.File("data")), prompter, clock);
    CMonitorDlg dlg(nullptr, false, Paths(dir.File("config"), dir.File("data")), prompter, clock);
    dlg.OnInitDialog();
    dlg.show();

    dlg.m_btnHelp->click();
    ASSERT_NE(app.HelpViewer(), nullptr);
    EXPECT_EQ(app.HelpViewer()->CurrentTopic(), 101u);
    EXPECT_TRUE(app.HelpViewer()->CurrentText().contains("Contents"));

    QTest::keyClick(&dlg, Qt::Key_F1);
    EXPECT_EQ(app.HelpViewer()->CurrentTopic(), 103u);
    EXPECT_TRUE(app.HelpViewer()->CurrentText().contains("START Timer"));

    for (unsigned long topic : {105ul, 106ul, 108ul, 109ul, 110ul}) {
        app.WinHelp(topic);
        EXPECT_FALSE(app.HelpViewer()->CurrentText().contains("There is no help topic")) << topic;
    }
}
} // namespace
