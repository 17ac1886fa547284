// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorApp.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/SignalWatcher.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/TrayIcon.h"
#include "gui/prefs/PreferencesSheet.h"

#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/FakeClock.h"
#include "ctl/CtlProcess.h"
#include "support/FileKinds.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

class StartupTest : public FreshStateTest {
protected:
    // Runs the whole start-up sequence; drive() gets the window once it exists.
    int Run(Prompter& with, std::function<void(CMonitorDlg&)> drive) {
        CMonitorApp app(paths, with, clock);
        app.startHidden = hidden;
        app.onDialogCreated = [this, &drive](CMonitorDlg& dialog) {
            QObject::connect(&dialog, &CMonitorDlg::settled, [this] { ++settled; });
            QTimer::singleShot(0, &dialog, [&dialog, &drive] { drive(dialog); });
        };
        QTimer watchdog; // a run that does not end fails, and is ended as a signal would end it
        QObject::connect(&watchdog, &QTimer::timeout, [&app] {
            ADD_FAILURE() << "the run did not end";
            app.RequestEnd();
        });
        watchdog.start(30000);
        const int code = app.InitInstance();
        helpTopic = app.HelpViewer() ? app.HelpViewer()->CurrentTopic() : 0;
        return code;
    }
    static void Click(CMonitorDlg& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    // Acts on the next modal dialog once it is open, from inside its own loop.
    static void OnNextModal(std::function<void(QDialog&)> act) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
            }
        });
        poll->start(10);
    }
    // A box still open seconds after the signal means it was not honoured: fail, do not hang.
    static void TerminateInsideTheNextBox() {
        OnNextModal([](QDialog& box) {
            std::raise(SIGTERM);
            QTimer::singleShot(5000, &box, [&box] {
                ADD_FAILURE() << "a box stayed open after SIGTERM";
                box.reject();
            });
        });
    }
    // The first run ended the orderly way: the settings written, the lock released.
    void EndedInOrder() const {
        EXPECT_NE(TempDir::Read(paths.SettingsFile()).find("WarnMonth=1"), std::string::npos);
        EXPECT_TRUE(CSingleInstance(paths).Acquire());
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("corvellan")}; // where the program keeps Calls.log
    ScriptedPrompter prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    unsigned long helpTopic = 0;
    bool hidden = false;
    int settled = 0; // the window's first paint (or docking) was announced
};

// The first run: the Preferences open, the window hidden into the tray keeps the program running
// until Exit, its help reaches the viewer, and the settings are written at the end.
TEST_F(StartupTest, FirstRunWritesTheSettingsFileAtExit) {
    OnNextModal([](QDialog& preferences) { preferences.reject(); });
    const int code = Run(prompter, [this](CMonitorDlg& dialog) {
        dialog.SetShown(false);
        Click(dialog, "m_btnHelp");
        prompter.yesNoAnswers.push_back(true);
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(prompter.shown.front().text.find("first time"), std::string::npos);
    EXPECT_EQ(helpTopic, 101u);
    EndedInOrder();
}

// A later run leaves the user's file as it was when nothing changed. Started with --hidden it goes to
// the tray; offscreen there is none, so the window shows.
TEST_F(StartupTest, ALaterRunStartedHiddenShowsWithoutATrayAndLeavesTheFileUntouched) {
    const std::string mine = "[Billing]\nWeekdayDayRate = 3.00   ; typed by hand\n";
    TempDir::Write(paths.SettingsFile(), mine);
    hidden = true;
    std::optional<bool> visible;
    Run(prompter, [this, &visible](CMonitorDlg& dialog) {
        visible = dialog.isVisible();
        // What waits for the first showing (the system bus) is started, shown or docked.
        EXPECT_TRUE(QTest::qWaitFor([this] { return settled > 0; }, 5000));
        dialog.EndSession();
    });
    EXPECT_EQ(visible, !CTrayIcon::IsAvailable());
    EXPECT_EQ(settled, 1);
    EXPECT_EQ(TempDir::Read(paths.SettingsFile()), mine);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 3.0);
}

// The link of the settings is followed once the month's calls are read, the one chosen in the
// Preferences once they are confirmed. The loopback is up wherever this runs: it is timed at once,
// and the program says so.
TEST_F(StartupTest, TheLinkOfTheSettingsIsFollowedFromTheStartAndOnceThePreferencesAreConfirmed) {
    for (const bool fromTheStart : {true, false}) {
        TempDir::Write(paths.SettingsFile(), std::string("[Connection]\nFollowLink=") +
                                                 (fromTheStart ? "1" : "0") + "\nInterface=lo\n");
        bool timed = false;
        std::string said;
        Run(prompter, [&](CMonitorDlg& dialog) {
            if (!fromTheStart) {
                OnNextModal([](QDialog& sheet) {
                    static_cast<CPreferencesSheet&>(sheet).Tabs()->setCurrentIndex(4);
                    sheet.findChild<QCheckBox*>(QStringLiteral("FollowLink"))->setChecked(true);
                    sheet.accept();
                });
                dialog.OnCustomize();
            }
            timed = QTest::qWaitFor([&] { return dialog.Meter().IsRunning(); }, 20000);
            said = dialog.toolTip().toStdString();
            dialog.EndSession();
        });
        if (said.starts_with("Corvellan cannot watch the network links"))
            GTEST_SKIP() << said;
        EXPECT_TRUE(timed) << "from the start: " << fromTheStart;
        EXPECT_TRUE(CTrayIcon::IsAvailable() || said == "The link lo was already up: timing from now")
            << said;
    }
}

// A logout or "systemctl stop" while a box is open, at the first run or at a question: the box
// closes, a running call is kept, the settings are written, the lock is released, the status is 0.
TEST_F(StartupTest, ASignalEndsTheProgramFromInsideABox) {
    QtPrompter real, again; // a prompter, once told the program is ending, asks nothing more
    TerminateInsideTheNextBox();
    EXPECT_EQ(Run(real, [](CMonitorDlg&) { FAIL() << "the window must not open"; }), 0);
    EndedInOrder();

    TempDir::Write(paths.SettingsFile(), "[Billing]\n");
    const int code = Run(again, [this](CMonitorDlg& dialog) {
        dialog.OnStartStop();
        clock.Advance(45);
        TerminateInsideTheNextBox();
        Click(dialog, "m_btnExit");
    });
    EXPECT_EQ(code, 0);
    EXPECT_NE(TempDir::Read(paths.CallLogFile()).find("End:\t02/12/26\t14:00:45"), std::string::npos);
    EXPECT_TRUE(CSingleInstance(paths).Acquire());
}

// The window hears of a sleep that nobody announced: the call ends at its last tick, and on waking
// the window says so (offscreen, with no tray, in its tooltip).
TEST_F(StartupTest, ASleepEndsTheCallAndTheWindowSaysSo) {
    TempDir::Write(paths.SettingsFile(), "[Billing]\n");
    QString said;
    Run(prompter, [&](CMonitorDlg& dialog) {
        dialog.OnStartStop();
        clock.Sleep(3600);
        dialog.OnTick(true);
        said = dialog.toolTip();
        dialog.EndSession();
    });
    EXPECT_EQ(said, "The call was stopped at 14:00 when the computer went to sleep");
}

// A lock file left by an earlier run is no lock. The window holds the lock as the window, so that
// corvellanctl does not wait for it, and a second start of the program raises the running window,
// touches no file and exits.
TEST_F(StartupTest, ASecondProgramStartExitsAndRaisesTheRunningWindow) {
    TempDir::Write(paths.LockFile(), "999999\ncorvellan\nsomehost\n");
    CSingleInstance first(paths);
    ASSERT_TRUE(first.Acquire());
    EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire({}), CDataLock::Result::HeldByWindow);
    QSignalSpy raised(&first, &CSingleInstance::raiseRequested);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(paths.ConfigDir()));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir.Path()));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CORVELLAN_PATH), {});
    // Not waitForFinished: the running instance answers from this thread's event loop.
    ASSERT_TRUE(QTest::qWaitFor([&program] { return program.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(raised.count(), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(paths.SettingsFile())))
        << "the second start touched no file";
}

// The program serves corvellanctl while its window runs; once it has ended, status says so.
TEST_F(StartupTest, CorvellanctlReachesTheProgramUntilItEnds) {
    CtlProcess ctl;
    paths = Paths(ctl.ConfigDir(), ctl.DataDir());
    TempDir::Write(paths.SettingsFile(), "[Billing]\n");
    std::vector<std::string> said;
    Run(prompter, [&](CMonitorDlg& dialog) {
        for (const char* command : {"start", "status"})
            said.push_back(
                ctl.RunAside({command}, [](auto done) { EXPECT_TRUE(QTest::qWaitFor(done, 60000)); }).out);
        dialog.EndSession();
    });
    said.push_back(ctl.Run({"status"}).out);
    EXPECT_EQ(said, (std::vector<std::string>{"started at 14:00:00\n",
                                              "running since 14:00:00, 0.00 so far\n", "not running\n"}));
}

// A lock that cannot be taken is no lock: the program says why and where, and does not run.
TEST_F(StartupTest, ALockThatCannotBeTakenKeepsTheWindowFromOpening) {
    fs::create_directories(paths.LockFile());
    EXPECT_EQ(Run(prompter, [](CMonitorDlg&) { ADD_FAILURE() << "a window opened"; }), 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.starts_with("ERROR : Corvellan cannot start: its lock file " +
                                                   paths.LockFile() + " cannot be used ("))
        << prompter.shown[0].text;
}

TEST_F(StartupTest, TerminationSignalsBecomeAQtSignal) {
    CSignalWatcher watcher;
    QSignalSpy spy(&watcher, &CSignalWatcher::terminationRequested);
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(number);
        ASSERT_TRUE(spy.wait(2000)) << number;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), number);
    }
}

// A user's text is never read as markup, and a Save As dialog opens in the documents folder,
// wherever the program was started.
TEST_F(StartupTest, BoxesShowPlainTextAndSaveAsOpensInTheDocumentsFolder) {
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(dir.Path()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(paths.ConfigDir()));
    QDir().mkpath(QString::fromStdString(dir.File("Documents")));
    QStringList seen;
    OnNextModal([&](QDialog& box) {
        const auto& message = dynamic_cast<QMessageBox&>(box);
        seen << message.text() << (message.textFormat() == Qt::PlainText ? "plain" : "markup");
        box.reject();
        OnNextModal([&](QDialog& dialog) {
            seen << dynamic_cast<QFileDialog&>(dialog).directory().absolutePath();
            dialog.reject();
        });
    });
    QtPrompter real;
    real.ShowMessage("Corvellan", "<b>bold?</b> %s", PromptIcon::Exclamation);
    EXPECT_FALSE(real.AskSaveFileName("March", "txt", "Text Files(*.txt)|*.txt|"));
    qputenv("HOME", oldHome);
    oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(seen, (QStringList{"<b>bold?</b> %s", "plain",
                                 QDir(QString::fromStdString(dir.File("Documents"))).absolutePath()}));
    EXPECT_EQ(QtPrompter::NameFilters("Text Files(*.txt)|*.txt | All Files(*.*)|*.*|"),
              (QStringList{"Text Files(*.txt)", "All Files(*.*)"}));
}

// A notice still open is not opened again (a link that flaps while Calls.log cannot be written
// stops a call every few seconds); one that was closed comes again.
TEST(NoticeTest, AnOpenNoticeIsNotOpenedTwice) {
    // The texts of the boxes open, sorted, and the boxes closed.
    const auto closeOpen = [] {
        QStringList texts;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
                texts << box->text();
                box->close();
            }
        texts.sort();
        return texts;
    };
    QtPrompter real;
    for (const char* text : {"cannot write", "cannot write", "another", "cannot write"})
        real.ShowNotice("Corvellan Error", text, PromptIcon::Stop);
    real.ShowNotice("Corvellan", "cannot write", PromptIcon::Exclamation);
    EXPECT_EQ(closeOpen(), (QStringList{"another", "cannot write", "cannot write"}));
    real.ShowNotice("Corvellan Error", "cannot write", PromptIcon::Stop);
    EXPECT_EQ(closeOpen(), QStringList{"cannot write"});
}

// The window's and the sheets' help ids lead to their own pages.
TEST(HelpTest, EveryHelpContextOfTheProgramHasItsPage) {
    const std::pair<unsigned long, const char*> pages[] = {
        {101, "Corvellan"},          {0x20066, "The Corvellan window"},
        {0x20084, "Billing System"}, {0x20086, "Time Limits"},
        {0x20087, "Messages"},       {0x2008A, "Call Log"},
        {0x2008C, "Report"},         {4242, "There is no help topic 4242."},
        {112, "Connection"}};
    CHelpViewer viewer;
    for (const auto& [context, heading] : pages) {
        viewer.ShowTopic(CMonitorApp::TranslateHelpContext(context));
        EXPECT_TRUE(viewer.CurrentText().startsWith(heading)) << std::hex << context;
    }
}

// Back, Forward and Contents, by their keys as in a browser.
TEST(HelpTest, TheViewerGoesBackForwardAndToTheContents) {
    CHelpViewer viewer;
    viewer.ShowTopic(108);
    viewer.ShowTopic(109);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer)); // shortcuts go to the active window
    const std::pair<QKeySequence, const char*> steps[] = {
        {QKeySequence::Back, "Billing System"},
        {QKeySequence::Forward, "Time Limits"},
        {QKeySequence(Qt::ALT | Qt::Key_Home), "Corvellan"}};
    for (const auto& [key, heading] : steps) {
        QTest::keySequence(&viewer, key);
        EXPECT_TRUE(viewer.CurrentText().startsWith(heading)) << heading;
    }
}

// The pages of the installed translation's language, English where it has none, and a link on a
// page leads to the page of the same language.
TEST(HelpTest, TheViewerShowsThePagesOfTheInstalledLanguage) {
    const std::tuple<QString, const char*, const char*> cases[] = {
        {"de", "Abrechnung", "Das Corvellan-Fenster"},
        {"fr", "Facturation", "La fenêtre de Corvellan"},
        {"", "Billing System", "The Corvellan window"},
        {"es", "Billing System", "The Corvellan window"}, // no pages of its own
    };
    for (const auto& [language, billing, window] : cases) {
        CHelpViewer viewer(language);
        viewer.ShowTopic(108);
        EXPECT_TRUE(viewer.CurrentText().startsWith(QString::fromUtf8(billing))) << language.toStdString();
        viewer.ShowTopic(CHelpViewer::kContents);
        // The first link of the contents, followed from the keyboard.
        auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        EXPECT_TRUE(viewer.CurrentText().startsWith(QString::fromUtf8(window))) << language.toStdString();
    }
}

// Every topic is there in every language, and every page links to the same topics as the English
// one, to pages that are there in its own language.
TEST(HelpTest, EveryTopicIsTranslatedAndEveryLinkLeadsToAPage) {
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    const auto linksOf = [&](const QString& page) {
        QFile file(page);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        QStringList links;
        for (const QRegularExpressionMatch& link : href.globalMatch(QString::fromUtf8(file.readAll())))
            links << link.captured(1);
        return links;
    };
    const QStringList topics =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(topics.isEmpty());
    for (const QString folder : {"", "de/", "fr/"}) {
        EXPECT_EQ(QDir(QStringLiteral(":/help/") + folder).entryList({QStringLiteral("*.html")}, QDir::Files),
                  topics)
            << folder.toStdString();
        for (const QString& topic : topics) {
            const QString page = QStringLiteral(":/help/") + folder + topic;
            const QStringList links = linksOf(page);
            EXPECT_EQ(links, linksOf(QStringLiteral(":/help/") + topic)) << page.toStdString();
            for (const QString& link : links) {
                const QUrl target = QUrl(QStringLiteral("qrc") + page).resolved(QUrl(link));
                EXPECT_TRUE(target.scheme() == QStringLiteral("qrc") &&
                            QFile::exists(QLatin1Char(':') + target.path()))
                    << page.toStdString() << " -> " << link.toStdString();
            }
        }
    }
}

TEST(CommandLineTest, HiddenIsTakenAndWhatIsNotUnderstoodEndsAtOnce) {
    const std::tuple<QStringList, bool, std::optional<int>> cases[] = {
        {{"corvellan"}, false, std::nullopt},
        {{"corvellan", "--hidden"}, true, std::nullopt},
        {{"corvellan", "--hidden", "--help-all"}, false, 0},
        {{"corvellan", "--hiden"}, false, 2},
        {{"corvellan", "--hidden", "Calls.log"}, false, 2},
    };
    for (const auto& [arguments, hidden, exitCode] : cases) {
        bool taken = false;
        const std::optional<int> code = CMonitorApp::ParseCommandLine(arguments, taken);
        EXPECT_EQ(std::pair(code, taken), std::pair(exitCode, hidden)) << arguments.join(' ').toStdString();
    }
}

// A user's month of calls is never lost: not to a kill at any moment, nor to a file the program
// cannot read or understand.
const std::regex kNoAmount("(^|[\\s$])-?(inf|nan)\\b", std::regex::multiline);

// What is at path: its kind and inode as found, and the bytes of a regular file behind it.
struct Snapshot {
    mode_t mode = 0;
    ino_t inode = 0;
    std::string bytes;
};

Snapshot Take(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    std::error_code ec;
    return {st.st_mode, st.st_ino, fs::is_regular_file(path, ec) ? TempDir::Read(path) : ""};
}

// No byte of the user's is lost: what was there is there as it was, or a copy of it lies beside it,
// or it was a log as the program writes it and all its calls are in the new one or the history.
::testing::AssertionResult Kept(const Snapshot& before, const std::string& path) {
    const Snapshot after = Take(path);
    if (after.mode != before.mode || (!S_ISREG(before.mode) && after.inode != before.inode))
        return ::testing::AssertionFailure() << "replaced";
    if (after.bytes == before.bytes)
        return ::testing::AssertionSuccess();
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().string().starts_with(path + ".bak-") && TempDir::Read(entry.path()) == before.bytes)
            return ::testing::AssertionSuccess();
    const ParsedLog old = ParseCallLog(before.bytes);
    ParsedLog now = ParseCallLog(after.bytes);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path() / "history", ec)) {
        const ParsedLog kept = ParseCallLog(TempDir::Read(entry.path()));
        now.calls.insert(now.calls.end(), kept.calls.begin(), kept.calls.end());
    }
    for (const LoggedCall& call : old.calls)
        if (!old.whole || std::find(now.calls.begin(), now.calls.end(), call) == now.calls.end())
            return ::testing::AssertionFailure() << "changed, and no copy kept";
    return ::testing::AssertionSuccess();
}

// Every file of tests/data/<kind>/told and /quiet, and the special files of the rows, goes through
// corvellanctl calls and add and the window's start-up as Calls.log or Corvellan.ini. None may
// crash or hang (SIGALRM ends a hung run), only those in told/ are told of, no amount shows as inf
// or nan, and nothing of the user's is lost.
TEST_F(StartupTest, HostileCallLogsAndSettingsFilesLoseNothing) {
    const std::string data = CORVELLAN_TEST_DATA, valid = TempDir::Read(data + "/calls/quiet/valid.log");
    clock.Set(CTime(2024, 3, 10, 12, 0, 0));
    for (const std::string kind : {"calls", "ini"}) {
        std::vector<std::pair<std::string, bool>> rows = {
            {"a FIFO", true}, {"a directory", true}, {"a link to nothing", true}, {"a loop of links", true}};
        if (kind == "calls")
            rows.insert(rows.end(),
                        {{"10 MB", true}, {"a link to a file", false}, {"a read-only file", false}});
        else
            rows.emplace_back("2 MB", true);
        for (const bool told : {true, false})
            for (const auto& entry : fs::directory_iterator(data + "/" + kind + (told ? "/told" : "/quiet")))
                rows.emplace_back(entry.path(), told);
        if (::geteuid() != 0) // root reads it all the same
            rows.emplace_back("an unreadable file", true);
        ASSERT_GE(rows.size(), 20u);
        for (const auto& [what, told] : rows) {
            SCOPED_TRACE(kind + ": " + what);
            CtlProcess ctl;
            paths = Paths(ctl.ConfigDir(), ctl.DataDir());
            const std::string path = kind == "calls" ? paths.CallLogFile() : paths.SettingsFile();
            ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
            ctl.WriteCallLog(valid);
            fs::remove(path);
            if (what.starts_with("/"))
                TempDir::Write(path, TempDir::Read(what));
            else if (what.ends_with("MB"))
                TempDir::Write(path,
                               (kind == "calls" ? valid : "") + std::string(std::stoi(what) << 20, ';'));
            else
                MakeFileKind(what, path, valid);
            const Snapshot before = Take(path);
            ::alarm(300);
            const CtlResult calls = ctl.Run({"calls", "--now", "2024-03-10 12:00:00"});
            const CtlResult add = ctl.Run(
                {"add", "2024-03-10 11:00:00", "2024-03-10 11:05:00", "--now", "2024-03-10 12:00:00"});
            Settings = CSettings{};
            SettingsChanged = LogChanged = false;
            ScriptedPrompter window;
            EXPECT_EQ(Run(window, [](CMonitorDlg& dialog) { dialog.EndSession(); }), 0);
            ::alarm(0);
            std::string said;
            for (const ScriptedPrompter::Shown& shown : window.shown)
                said += shown.text + "\n";
            // A log that could not be read fails calls; a question (the month's roll-over) does not.
            // Settings that cannot be used fail it with one line and no figures. add takes an old
            // month's log for the history and asks nothing, so the window has nothing left to say.
            const bool rollOver = calls.err.find("[answered") != std::string::npos;
            const bool failed = told && (kind == "ini" || !rollOver);
            EXPECT_EQ(calls.exitCode, failed ? 1 : 0) << calls.err;
            EXPECT_EQ(!calls.err.empty(), told) << calls.err;
            if (kind == "ini" && told) {
                EXPECT_EQ(calls.out + std::to_string(std::count(calls.err.begin(), calls.err.end(), '\n')),
                          "1");
            }
            // add leaves a log it did not fully understand, or cannot replace, to the window.
            EXPECT_EQ(add.exitCode,
                      (told && !rollOver) || (kind == "calls" && what == "a read-only file") ? 1 : 0)
                << add.err;
            EXPECT_TRUE(add.exitCode == 0 || add.err.find("nothing was added") != std::string::npos)
                << add.err;
            for (const std::string& text : {calls.out, add.out, said})
                EXPECT_FALSE(std::regex_search(text, kNoAmount)) << text;
            EXPECT_EQ(!said.empty(), told && !rollOver) << said;
            EXPECT_TRUE(Kept(before, path));
        }
    }
}

// The window program (see CrashDriver.cpp), driven through start/stop cycles, is killed at moments
// drawn with a fixed seed, each after the run's first stop. After each kill Calls.log loads without complaint
// and holds every call whose stop had returned.
TEST_F(StartupTest, AKillLosesNoCallWhoseStopHadCompleted) {
    const std::string stops = dir.File("stops");
    TempDir::Write(paths.SettingsFile(), "[Limits]\nMonthLimit=500.00\n");
    std::mt19937 random(20251231);
    constexpr int kKills = 20;
    CTime next(2026, 3, 1, 0, 0, 0);
    std::set<std::pair<std::int64_t, std::int64_t>> stopped, lost;
    for (int kill = 1; kill <= kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const std::string start = std::to_string(next.GetTime());
        const pid_t driver = ::fork();
        if (driver == 0) {
            ::execl(CORVELLAN_CRASH_DRIVER, CORVELLAN_CRASH_DRIVER, paths.ConfigDir().c_str(),
                    paths.DataDir().c_str(), stops.c_str(), start.c_str(), nullptr);
            ::_exit(127);
        }
        // Not a fixed time, which a loaded machine may spend before the first stop: once this run has
        // recorded a stop, the kill comes at a drawn moment of the cycles that follow.
        const std::uintmax_t before = fs::exists(stops) ? fs::file_size(stops) : 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while ((!fs::exists(stops) || fs::file_size(stops) == before) &&
               ::waitpid(driver, nullptr, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline)
            ::usleep(2000);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 300000)(random));
        ::kill(driver, SIGKILL);
        int status = 0;
        ::waitpid(driver, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) || status == 0) << status;

        ScriptedPrompter prompter;
        CCallArray calls;
        CCallLog(paths, prompter).Load(calls, CTime(2026, 3, 31, 23, 0, 0));
        EXPECT_TRUE(prompter.shown.empty()) << prompter.shown.front().text;
        std::set<std::pair<std::int64_t, std::int64_t>> logged;
        for (int i = 0; i < calls.GetSize(); ++i)
            logged.insert({calls.GetAt(i).GetStart().GetTime(), calls.GetAt(i).GetEnd().GetTime()});
        std::istringstream lines(TempDir::Read(stops));
        for (std::pair<std::int64_t, std::int64_t> call; lines >> call.first >> call.second;) {
            stopped.insert(call);
            if (!logged.contains(call))
                lost.insert(call);
        }
        if (calls.GetSize() > 0)
            next = calls.GetAt(calls.GetSize() - 1).GetEnd() + CTimeSpan(60);
    }
    std::printf("%d kills, %zu calls lost (of %zu stopped)\n", kKills, lost.size(), stopped.size());
    EXPECT_TRUE(lost.empty());
    EXPECT_GE(stopped.size(), std::size_t{kKills}) << "a run was killed before its first stop";
}
} // namespace
