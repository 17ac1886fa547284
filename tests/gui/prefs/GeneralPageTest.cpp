#include "gui/prefs/PreferencesSheet.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
// The sheet finds the user's folders as the program does, here in a temporary XDG_CONFIG_HOME.
TEST(GeneralPageTest, TheBoxWritesTheAutostartEntryOnOkAndRemovesItAgain) {
    TempDir dir;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.Path()));
    const std::string entry = dir.File("autostart/corvellan.desktop");
    ScriptedPrompter prompter;
    // Opens the General page, sets its box and closes the sheet with button.
    const auto use = [&prompter](bool check, QDialogButtonBox::StandardButton button) {
        CPreferencesSheet sheet(prompter);
        sheet.show();
        QTabBar* bar = sheet.Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        auto* box = sheet.findChild<QCheckBox*>(QStringLiteral("StartAtLogin"));
        const bool was = box->isChecked();
        if (const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR"); !out.isEmpty() && !was)
            sheet.grab().save(QDir(out).filePath(QStringLiteral("prefs-general.png")));
        box->setChecked(check);
        sheet.Buttons()->button(button)->click();
        return was;
    };
    EXPECT_FALSE(use(true, QDialogButtonBox::Ok));
    EXPECT_NE(TempDir::Read(entry).find("\nExec=" + QCoreApplication::applicationFilePath().toStdString() +
                                        " --hidden\n"),
              std::string::npos);
    EXPECT_TRUE(use(false, QDialogButtonBox::Cancel)) << "the box shows the entry";
    EXPECT_TRUE(std::filesystem::exists(entry));
    EXPECT_TRUE(use(false, QDialogButtonBox::Ok));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_TRUE(prompter.shown.empty());
    qputenv("XDG_CONFIG_HOME", saved);
}
} // namespace
