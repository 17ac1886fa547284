#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorApp.h"
#include "gui/prefs/PreferencesSheet.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The General page on a sheet that finds the user's folders as the program does, in a temporary
// XDG_CONFIG_HOME.
class GeneralPageTest : public ::testing::Test {
protected:
    GeneralPageTest() : m_saved(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.Path()));
    }
    ~GeneralPageTest() override { qputenv("XDG_CONFIG_HOME", m_saved); }

    // Opens the sheet, brings the General page to the front and returns its box.
    QCheckBox* Open() {
        sheet = std::make_unique<CPreferencesSheet>(prompter);
        sheet->show();
        QTabBar* bar = sheet->Tabs()->tabBar();
        EXPECT_EQ(bar->tabText(3), "General");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        return sheet->findChild<QCheckBox*>(QStringLiteral("StartAtLogin"));
    }
    void Close(QDialogButtonBox::StandardButton button) { sheet->Buttons()->button(button)->click(); }
    bool EntryExists() const { return std::filesystem::exists(entry); }

    TempDir dir;
    std::string entry = dir.File("autostart/corvellan.desktop");
    ScriptedPrompter prompter;
    std::unique_ptr<CPreferencesSheet> sheet;

private:
    QByteArray m_saved;
};

TEST_F(GeneralPageTest, TheBoxWritesTheAutostartEntryOnOkAndRemovesItAgain) {
    QCheckBox* box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Start Corvellan when I log in");
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_FALSE(EntryExists()) << "nothing is written before OK";
    Close(QDialogButtonBox::Ok);
    ASSERT_TRUE(EntryExists());
    const std::string program = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_NE(TempDir::Read(entry).find("\nExec=" + program + " --hidden\n"), std::string::npos);

    box = Open();
    EXPECT_TRUE(box->isChecked()) << "the box shows the entry";
    box->click();
    Close(QDialogButtonBox::Cancel);
    EXPECT_TRUE(EntryExists());
    Open()->click();
    Close(QDialogButtonBox::Ok);
    EXPECT_FALSE(EntryExists());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(GeneralPageTest, F1ShowsTheTopicOfThePage) {
    Open();
    if (const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR"); !out.isEmpty())
        sheet->grab().save(QDir(out).filePath(QStringLiteral("prefs-general.png")));
    QSignalSpy help(sheet.get(), &CPreferencesSheet::helpRequested);
    QTest::keyClick(sheet->findChild<QCheckBox*>(QStringLiteral("StartAtLogin")), Qt::Key_F1);
    ASSERT_EQ(help.size(), 1);
    CHelpViewer viewer;
    viewer.ShowTopic(CMonitorApp::TranslateHelpContext(help[0][0].value<unsigned long>()));
    EXPECT_TRUE(viewer.CurrentText().startsWith("General")) << viewer.CurrentText().toStdString();
}
} // namespace
