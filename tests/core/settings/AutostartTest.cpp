#include "core/settings/Autostart.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

TEST(AutostartExecTest, QuotesThePathWhereTheDesktopEntryRulesSayItMust) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"/usr/bin/corvellan", "/usr/bin/corvellan"},
        {"/home/ann/My Programs/corvellan", "\"/home/ann/My Programs/corvellan\""},
        {"/opt/100%/corvellan", "/opt/100%%/corvellan"},
        {"/opt/a\"b$c`d\\e", "\"/opt/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e\""},
        {"/opt/it's", "\"/opt/it's\""},
        {"/opt/x\nExec=rm", std::nullopt},
        {"/opt/tab\there", std::nullopt},
    };
    for (const auto& [program, exec] : cases)
        EXPECT_EQ(CAutostart::ExecArgument(program), exec) << program;
}

class AutostartTest : public ::testing::Test {
protected:
    std::string File() const { return autostart.File(); }
    std::vector<std::string> Kept() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir.File("config/autostart")))
            if (entry.path().filename().string().starts_with("corvellan.desktop.bak-"))
                found.push_back(TempDir::Read(entry.path()));
        return found;
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    CAutostart autostart{paths, "/usr/bin/corvellan"};
    ScriptedPrompter prompter;
};

TEST_F(AutostartTest, TheEntryStartsTheProgramHiddenAndIsRemovedAgain) {
    EXPECT_EQ(File(), dir.File("config/autostart/corvellan.desktop"));
    EXPECT_FALSE(autostart.IsEnabled());
    ASSERT_TRUE(autostart.Set(true, prompter));
    EXPECT_TRUE(autostart.IsEnabled());
    const std::string text = TempDir::Read(File());
    EXPECT_EQ(text, autostart.EntryText());
    EXPECT_NE(text.find("\nExec=/usr/bin/corvellan --hidden\n"), std::string::npos);
    EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);

    ASSERT_TRUE(autostart.Set(false, prompter));
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_TRUE(Kept().empty());
    EXPECT_TRUE(prompter.shown.empty());
}

// The box shows what the session will do with the file; an entry that switches itself off is off.
TEST_F(AutostartTest, AnEntryThatSwitchesItselfOffIsOffAndStaysAsItIs) {
    const std::pair<const char*, bool> cases[] = {
        {"[Desktop Entry]\nExec=corvellan\n", true},
        {"[Desktop Entry]\nExec=corvellan\nHidden=true\n", false},
        {"[Desktop Entry]\n X-GNOME-Autostart-enabled = false\r\n", false},
        {"[Desktop Entry]\nHidden=false\n[Desktop Action x]\nHidden=true\n", true},
    };
    for (const auto& [text, enabled] : cases) {
        TempDir::Write(File(), text);
        EXPECT_EQ(autostart.IsEnabled(), enabled) << text;
        ASSERT_TRUE(autostart.Set(enabled, prompter)) << "nothing to change";
        EXPECT_EQ(TempDir::Read(File()), text);
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(Kept().empty());
}

TEST_F(AutostartTest, AnEntryCorvellanDidNotWriteIsKeptAsideBeforeItIsReplacedOrRemoved) {
    const std::string theirs = "[Desktop Entry]\nExec=corvellan --their-options\n";
    TempDir::Write(File(), theirs);
    ASSERT_TRUE(autostart.Set(false, prompter));
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_EQ(Kept(), std::vector<std::string>{theirs});
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find(" was not written by Corvellan. It was kept as "),
              std::string::npos);

    const std::string off = theirs + "Hidden=true\n";
    TempDir::Write(File(), off);
    ASSERT_TRUE(autostart.Set(true, prompter));
    EXPECT_EQ(TempDir::Read(File()), autostart.EntryText());
    EXPECT_EQ(Kept().size(), 2u);
    EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(AutostartTest, FailuresAreToldAndChangeNothing) {
    // A program path that no Exec line can hold.
    EXPECT_FALSE(CAutostart(paths, "/opt/x\ny").Set(true, prompter));
    EXPECT_FALSE(fs::exists(File()));
    // The autostart folder cannot be made: a file is in its place.
    TempDir::Write(dir.File("config/autostart"), "not a folder");
    EXPECT_FALSE(autostart.Set(true, prompter));
    EXPECT_EQ(TempDir::Read(dir.File("config/autostart")), "not a folder");
    ASSERT_EQ(prompter.shown.size(), 2u);
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.caption, "Corvellan Error");
        EXPECT_EQ(shown.text.rfind("ERROR : Corvellan ", 0), 0u) << shown.text;
    }

    // Our entry in a folder that may not be changed stays, and says so.
    fs::remove(dir.File("config/autostart"));
    ASSERT_TRUE(autostart.Set(true, prompter));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may change any folder";
    ::chmod(dir.File("config/autostart").c_str(), 0500);
    EXPECT_FALSE(autostart.Set(false, prompter));
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_EQ(prompter.shown.size(), 3u);
}
} // namespace
