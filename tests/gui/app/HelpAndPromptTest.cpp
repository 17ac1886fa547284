#include "gui/app/HelpViewer.h"
#include "gui/app/QtPrompter.h"
#include "gui/monitor/AboutDlg.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
TEST(QtPrompterTest, ShowsUsersTextsAsPlainText) {
    QtPrompter prompter;
    std::string shownText;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text().toStdString();
        format = box->textFormat();
        box->close();
    });
    prompter.ShowMessage("Corvellan", "<b>bold?</b> %s", PromptIcon::Exclamation);
    EXPECT_EQ(shownText, "<b>bold?</b> %s");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(QtPrompter::NameFilters("Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"),
              (QStringList{"Text Files(*.txt)", "All Files(*.*)"}));
}

TEST(AboutTest, ShowsTheVersionAndClosesWithOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Corvellan");
    EXPECT_EQ(about.findChild<QLabel*>("versionLabel")->text(), "Corvellan Version 1.0");
    QTimer::singleShot(50, &about, [&about] { QTest::keyClick(&about, Qt::Key_Return); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(HelpTest, EveryTopicOfTheProgramHasAPage) {
    CHelpViewer viewer;
    for (unsigned long topic : {101ul, 103ul, 105ul, 106ul, 108ul, 109ul, 110ul}) {
        viewer.ShowTopic(topic);
        EXPECT_FALSE(viewer.CurrentText().contains("There is no help topic")) << topic;
    }
    viewer.ShowTopic(4242);
    EXPECT_TRUE(viewer.CurrentText().contains("There is no help topic"));
}
} // namespace
