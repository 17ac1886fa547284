#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorApp.h"
#include "gui/app/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
TEST(QtPrompterTest, ShowsUsersTextsAsPlainText) {
    std::string shownText;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text().toStdString();
        format = box->textFormat();
        box->close();
    });
    QtPrompter().ShowMessage("Corvellan", "<b>bold?</b> %s", PromptIcon::Exclamation);
    EXPECT_EQ(shownText, "<b>bold?</b> %s");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(QtPrompter::NameFilters("Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"),
              (QStringList{"Text Files(*.txt)", "All Files(*.*)"}));
}

// The window's and the sheets' help ids lead to their own pages.
TEST(HelpTest, EveryHelpContextOfTheProgramHasItsPage) {
    const std::pair<unsigned long, const char*> pages[] = {
        {101, "Corvellan"},          {0x20066, "The Corvellan window"},
        {0x20084, "Billing System"}, {0x20086, "Time Limits"},
        {0x20087, "Messages"},       {0x2008A, "Call Log"},
        {0x2008C, "Report"},         {4242, "There is no help topic 4242."}};
    CHelpViewer viewer;
    for (const auto& [context, heading] : pages) {
        viewer.ShowTopic(CMonitorApp::TranslateHelpContext(context));
        EXPECT_TRUE(viewer.CurrentText().startsWith(heading)) << std::hex << context;
    }
}
} // namespace
