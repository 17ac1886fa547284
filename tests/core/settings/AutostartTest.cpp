// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Autostart.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;

struct Folder {
    TempDir dir;
    CAutostart autostart{Paths(dir.File("config"), dir.File("data")), "/usr/bin/corvellan"};
    ScriptedPrompter prompter;

    std::vector<std::string> Kept() const {
        std::vector<std::string> kept;
        for (const auto& entry : fs::directory_iterator(dir.File("config/autostart")))
            if (entry.path().filename().string().find(".desktop.bak-") != std::string::npos)
                kept.push_back(TempDir::Read(entry.path()));
        return kept;
    }
};

TEST(AutostartTest, QuotesTheProgramAsExecLinesMustBeQuoted) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"/home/ann/My Programs/corvellan", "\"/home/ann/My Programs/corvellan\""},
        {"/opt/100%/corvellan", "/opt/100%%/corvellan"},
        {"/opt/a\"b$c`d\\e", "\"/opt/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e\""}};
    for (const auto& [program, exec] : cases)
        EXPECT_EQ(CAutostart::ExecArgument(program), exec) << program;
}

// Corvellan's own entry is written and removed again; one that switches itself off is off; one
// Corvellan did not write is kept aside, never lost.
TEST(AutostartTest, WritesItsEntryAndKeepsTheEntriesOfOthersAside) {
    Folder own;
    ASSERT_TRUE(own.autostart.Set(true, own.prompter));
    EXPECT_NE(TempDir::Read(own.autostart.File()).find("\nExec=/usr/bin/corvellan --hidden\n"),
              std::string::npos);
    ASSERT_TRUE(own.autostart.Set(false, own.prompter));
    EXPECT_FALSE(fs::exists(own.autostart.File()));
    EXPECT_TRUE(own.Kept().empty() && own.prompter.shown.empty());

    const std::pair<std::string, bool> cases[] = {
        {"[Desktop Entry]\nExec=corvellan --theirs\n", true},
        {"[Desktop Entry]\nExec=corvellan\nHidden=true\n", false},
        {"[Desktop Entry]\r\n X-GNOME-Autostart-enabled = false\r\n", false},
        {"[Desktop Entry]\nHidden=false\n[Desktop Action x]\nHidden=true\n", true}};
    for (const auto& [text, enabled] : cases) {
        Folder f;
        TempDir::Write(f.autostart.File(), text);
        EXPECT_EQ(f.autostart.IsEnabled(), enabled) << text;
        ASSERT_TRUE(f.autostart.Set(enabled, f.prompter));
        EXPECT_TRUE(f.Kept().empty()) << "nothing to change";
        ASSERT_TRUE(f.autostart.Set(!enabled, f.prompter));
        EXPECT_EQ(f.autostart.IsEnabled(), !enabled) << text;
        EXPECT_EQ(f.Kept(), std::vector<std::string>{text});
        EXPECT_EQ(f.prompter.shown.size(), 1u);
    }
}

// An entry of the old name that is on becomes one of the new name; one that is off stays as it is.
TEST(AutostartTest, AnEntryOfTheOldNameIsReplacedAndCountsUntilThen) {
    const std::string own = "[Desktop Entry]\nType=Application\nName=Corvellan\nComment=Time your metered "
                            "calls and watch what they cost\nExec=/usr/bin/corvellan --hidden\n"
                            "Icon=corvellan\nTerminal=false\n";
    const std::tuple<std::string, bool, size_t> cases[] = {
        {own, true, 0},
        {"[Desktop Entry]\nExec=corvellan --mine\n", true, 1},
        {own + "Hidden=true\n", false, 0}};
    for (const auto& [text, on, kept] : cases) {
        Folder f;
        const std::string old = f.dir.File("config/autostart/corvellan.desktop");
        TempDir::Write(old, text);
        EXPECT_EQ(f.autostart.IsEnabled(), on) << text;
        ASSERT_TRUE(f.autostart.ReplaceOldEntry(f.prompter));
        EXPECT_EQ(f.autostart.IsEnabled(), on);
        EXPECT_EQ(fs::exists(f.autostart.File()), on) << text;
        EXPECT_EQ(fs::exists(old), !on) << text;
        EXPECT_EQ(f.Kept().size(), kept) << text;
    }
}

TEST(AutostartTest, WhatCannotBeWrittenIsToldAndChangesNothing) {
    Folder f;
    EXPECT_FALSE(CAutostart(Paths(f.dir.File("config"), ""), "/opt/x\nExec=rm").Set(true, f.prompter));
    TempDir::Write(f.dir.File("config/autostart"), "a file where the folder goes");
    EXPECT_FALSE(f.autostart.Set(true, f.prompter));
    EXPECT_EQ(TempDir::Read(f.dir.File("config/autostart")), "a file where the folder goes");
    ASSERT_EQ(f.prompter.shown.size(), 2u);
    EXPECT_TRUE(f.prompter.shown[0].text.starts_with("ERROR : Corvellan ") &&
                f.prompter.shown[1].text.starts_with("ERROR : Corvellan "));
}
} // namespace
