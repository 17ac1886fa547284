#include "CallLogFixture.h"

#include "calllog/CallLog.h"
#include "platform/Paths.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Kind = ScriptedPrompter::Kind;
namespace fs = std::filesystem;

const char* const kCorrupt =
    "ERROR: For some reason the call log file is corrupt. Information about the calls "
    "you have made this month will not be available.";
const char* const kCreateError = "ERROR : Log file could not be created";

bool Shows(const ScriptedPrompter::Shown& s, Kind kind, const std::string& caption, PromptIcon icon) {
    return s.kind == kind && s.caption == caption && s.icon == icon;
}

class CallLogFile : public CallLogFixture {
protected:
    std::string LogPath() const { return m_paths.CallLogFile(); }
    std::string ReadLog() const { return TempDir::Read(LogPath()); }
    void WriteLog(const std::string& bytes) const { TempDir::Write(LogPath(), bytes); }

    // The text a run at `written` leaves behind.
    static std::string LogText(CTime written, const std::vector<LoggedCall>& list) {
        CCallArray calls;
        Fill(calls, list);
        return FormatCallLog(calls, written, 20, "$");
    }

    std::vector<std::string> Backups() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(m_dir.File("data")))
            if (entry.path().filename().string().starts_with("Calls.log.bak-"))
                found.push_back(entry.path().string());
        return found;
    }

    TempDir m_dir;
    Paths m_paths{m_dir.File("config/"), m_dir.File("data/")};
    ScriptedPrompter m_prompter;
    CCallLog m_log{m_paths, m_prompter};
    CCallArray m_calls;
};

const CTime kDec1(1764547500); // 1 December 2025 00:05 UTC

TEST_F(CallLogFile, SaveThenLoadGivesTheSameCallsBeyondAnyReadingLimit) {
    std::vector<LoggedCall> list;
    for (int i = 0; i < 5000; ++i)
        list.push_back({kDec1 + CTimeSpan(i * 500), kDec1 + CTimeSpan(i * 500 + 100 + i % 300)});
    Fill(m_calls, list);
    ASSERT_TRUE(m_log.Save(m_calls, kDec1 + CTimeSpan(5000 * 500)));
    CCallArray loaded;
    CCallLog(m_paths, m_prompter).Load(loaded, kDec1 + CTimeSpan(5000 * 500));
    EXPECT_EQ(Times(loaded), list);
    EXPECT_TRUE(m_prompter.shown.empty());
}

TEST_F(CallLogFile, QuietLoads) {
    const std::vector<LoggedCall> call = {{kDec1, kDec1 + CTimeSpan(60)}};
    std::string lfOnly = LogText(kDec1, call);
    std::erase(lfOnly, '\r');
    for (const auto& [text, expected] :
         {std::pair{lfOnly, call}, std::pair{LogText(kDec1, {}), std::vector<LoggedCall>{}}}) {
        WriteLog(text);
        CCallArray loaded;
        m_log.Load(loaded, kDec1);
        EXPECT_EQ(Times(loaded), expected);
    }
    fs::remove(LogPath());
    m_log.Load(m_calls, kDec1);
    EXPECT_EQ(m_calls.GetSize(), 0);
    EXPECT_TRUE(m_prompter.shown.empty());
}

// Old logs read on 1 December, with the answers to the question and the Save As dialog.
struct RollOverCase {
    const char* name;
    std::vector<LoggedCall> calls; // the first is the oldest
    CTime written;
    const char* offered;
    std::size_t keptFromEnd; // calls of December at the end of the list
    bool yes;
    bool save;
};

class RollOver : public CallLogFile, public ::testing::WithParamInterface<RollOverCase> {};

TEST_P(RollOver, AsksAndLoadsOnlyTheNewMonth) {
    const RollOverCase& c = GetParam();
    const std::string old = LogText(c.written, c.calls);
    WriteLog(old);
    const std::string copy = m_dir.File("copies/old.txt");
    m_prompter.yesNoAnswers = {c.yes};
    if (c.save)
        m_prompter.saveAnswers = {copy};
    m_log.Load(m_calls, kDec1 + CTimeSpan(3600));

    ASSERT_EQ(m_prompter.shown.size(), c.yes ? 2u : 1u);
    EXPECT_TRUE(Shows(m_prompter.shown[0], Kind::YesNo, "Corvellan", PromptIcon::Question));
    const std::string month = c.offered;
    EXPECT_EQ(m_prompter.shown[0].text,
              "Since a new month has started, Corvellan will clear the call log for " + month +
                  ". Corvellan can save this old log under a different filename, so "
                  "that you can access it later. Do you wish to save the log for " +
                  month + "?");
    if (c.yes) {
        EXPECT_EQ(m_prompter.shown[1].caption, month); // proposed name
        EXPECT_EQ(m_prompter.shown[1].text, "txt");    // default extension
        EXPECT_EQ(m_prompter.lastFilter, "Text Files(*.txt)|*.txt | All Files(*.*)|*.*|");
    }
    EXPECT_EQ(fs::exists(copy), c.save);
    if (c.save) {
        EXPECT_EQ(TempDir::Read(copy), old);
    }
    EXPECT_EQ(Times(m_calls), std::vector<LoggedCall>(c.calls.end() - c.keptFromEnd, c.calls.end()));
    EXPECT_EQ(ReadLog(), old);
}

const LoggedCall kNov30{CTime(1764532800), CTime(1764534600)};    // 30 November 2025 20:00-20:30
const LoggedCall kDec1Call{CTime(1764547800), CTime(1764548400)}; // 1 December 2025 00:10-00:20
const LoggedCall kDec2024{CTime(1734724800), CTime(1734726600)};  // 20 December 2024 20:00-20:30

INSTANTIATE_TEST_SUITE_P(
    Cases, RollOver,
    ::testing::Values(
        RollOverCase{"YesAndSave", {kNov30}, CTime(1764540000), "November", 0, true, true},
        RollOverCase{"YesAndCancel", {kNov30}, CTime(1764540000), "November", 0, true, false},
        RollOverCase{"No", {kNov30}, CTime(1764540000), "November", 0, false, false},
        RollOverCase{"SameMonthEarlierYear", {kDec2024}, CTime(1734730000), "December", 0, false, false},
        // Written at 00:30 on 1 December: the header names December, the oldest call November.
        RollOverCase{"WrittenOnTheFirst", {kNov30, kDec1Call}, CTime(1764549000), "November", 1, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallLogFile, CopyThatCannotBeWrittenIsReported) {
    WriteLog(LogText(CTime(1764540000), {kNov30}));
    TempDir::Write(m_dir.File("plain"), "not a directory");
    m_prompter.yesNoAnswers = {true};
    m_prompter.saveAnswers = {m_dir.File("plain/old.txt")};
    m_log.Load(m_calls, kDec1);
    ASSERT_EQ(m_prompter.shown.size(), 3u);
    EXPECT_TRUE(Shows(m_prompter.shown[2], Kind::Message, "Corvellan Error", PromptIcon::Stop));
}

TEST_F(CallLogFile, EmptyOrHugeLogIsCorruptAndKeptOnNextSave) {
    WriteLog("");
    m_log.Load(m_calls, kDec1);
    ASSERT_EQ(m_prompter.shown.size(), 1u);
    EXPECT_TRUE(Shows(m_prompter.shown[0], Kind::Message, "Corvellan Error", PromptIcon::Stop));
    EXPECT_EQ(m_prompter.shown[0].text, kCorrupt);
    ASSERT_TRUE(m_log.Save(m_calls, CTime(1764662950))); // 2 December 2025 08:09:10
    EXPECT_EQ(Backups(), std::vector<std::string>{LogPath() + ".bak-20251202-080910"});
    EXPECT_EQ(ParseCallLog(ReadLog()).month, "December");

    fs::resize_file(LogPath(), (std::uintmax_t{64} << 20) + 1);
    CCallLog(m_paths, m_prompter).Load(m_calls, kDec1);
    ASSERT_EQ(m_prompter.shown.size(), 2u);
    EXPECT_EQ(m_prompter.shown[1].text, kCorrupt);
    EXPECT_EQ(fs::file_size(LogPath()), (std::uintmax_t{64} << 20) + 1);
}

TEST_F(CallLogFile, MalformedEntriesLoadTheRestAndKeepTheOriginalOnce) {
    const std::vector<LoggedCall> list = {kDec1Call, {kDec1 + CTimeSpan(900), kDec1 + CTimeSpan(960)}};
    std::string text = LogText(kDec1 + CTimeSpan(1000), list);
    text.replace(text.find("00:21:00"), 8, "00:2:00 "); // the second call's end
    WriteLog(text);
    m_log.Load(m_calls, kDec1 + CTimeSpan(2000));
    EXPECT_EQ(Times(m_calls), std::vector<LoggedCall>{list[0]});
    ASSERT_EQ(m_prompter.shown.size(), 1u);
    EXPECT_TRUE(m_prompter.shown[0].text.starts_with("1 entry of the call log could not be read"));

    ASSERT_TRUE(m_log.Save(m_calls, kDec1 + CTimeSpan(3000)));
    ASSERT_TRUE(m_log.Save(m_calls, kDec1 + CTimeSpan(3001)));
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(TempDir::Read(Backups()[0]), text);
    EXPECT_EQ(ParseCallLog(ReadLog()).calls, std::vector<LoggedCall>{list[0]});
}

// A file size limit makes the write fail part-way, even for root; set in a child process so the
// test runner keeps its own limits.
TEST_F(CallLogFile, FailedWriteLeavesTheOldLogIntact) {
    WriteLog("old log\r\n");
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ScriptedPrompter prompter;
        const bool saved = CCallLog(m_paths, prompter).Save(m_calls, kDec1);
        ::_exit(!saved && prompter.shown.size() == 1 && prompter.shown[0].text == kCreateError ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "Save must fail and say so";
    EXPECT_EQ(ReadLog(), "old log\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.File("data")), fs::directory_iterator()), 1);
}
} // namespace
