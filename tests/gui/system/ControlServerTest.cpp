#include "gui/app/QtPrompter.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"

#include "core/platform/FakeClock.h"
#include "core/platform/UnixSocket.h"
#include "ctl/CtlProcess.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {
constexpr int kPatienceMs = 60000; // for what must come; it comes much sooner

// A window wired as the program wires it, with its files where a CtlProcess looks for them.
struct Window {
    explicit Window(Prompter& prompter, bool firstRun = false) : prompter(prompter), firstRun(firstRun) {}
    CMonitorDlg& Open() {
        EXPECT_TRUE(instance.Acquire());
        EXPECT_EQ(instance.ControlError(), "");
        QObject::connect(&instance, &CSingleInstance::raiseRequested, &dialog,
                         [this] { dialog.SetShown(true); });
        instance.Serve(monitor, clock);
        dialog.OnInitDialog();
        dialog.show();
        return dialog;
    }
    ~Window() { instance.StopServing(); }

    // corvellanctl, on a thread of its own while this one serves the window.
    CtlResult Ctl(const std::vector<std::string>& args) {
        std::atomic<bool> done = false;
        CtlResult result;
        std::thread run([&] {
            result = ctl.Run(args);
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, kPatienceMs));
        run.join();
        return result;
    }
    std::string Text(const char* name) const {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
    }
    void Click(const char* name) { dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }

    CtlProcess ctl;
    Paths paths{ctl.ConfigDir(), ctl.DataDir()};
    Prompter& prompter;
    bool firstRun;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CSingleInstance instance{paths};
    CMonitor monitor{paths, prompter, clock};
    CMonitorDlg dialog{nullptr, firstRun, monitor, paths, prompter, clock};
};

// A client of the test's own on this thread, byte by byte as it likes; it waits by turning the
// event loop, so that the window serves it meanwhile.
class Peer {
public:
    explicit Peer(const std::string& path) {
        CUnixSocket::Connection connection;
        m_socket = CUnixSocket::Connect(path, &connection, nullptr);
        EXPECT_EQ(connection, CUnixSocket::Connection::Connected);
    }
    void Send(std::string_view bytes) {
        while (!bytes.empty() && m_socket.Write(bytes) == CUnixSocket::Io::Done) {
        }
    }
    // All the window sent before it hung up.
    std::string Reply() {
        EXPECT_TRUE(QTest::qWaitFor(
            [this] {
                const CUnixSocket::Io io = m_socket.Read(m_got, 65536);
                return io == CUnixSocket::Io::Closed || io == CUnixSocket::Io::Failed;
            },
            kPatienceMs))
            << "the window kept the connection open";
        return m_got;
    }
    std::string Ask(std::string_view line) {
        Send(line);
        return Reply();
    }

private:
    CUnixSocket m_socket;
    std::string m_got;
};

// Acts on the next modal dialog once it is open, from inside its own loop.
void OnNextModal(std::function<void(QDialog&)> act) {
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

class ControlServerTest : public FreshStateTest {};

// The same call timed with the button and over the socket: the same Calls.log, the same figures
// at each step, the same warning. corvellanctl says what the window did.
TEST_F(ControlServerTest, AStartAndStopOverTheSocketAreTheButtonsStartAndStop) {
    Settings.WarnCall = true;
    Settings.CallLimit = 1;
    std::vector<std::string> seen[2], said;
    std::string logs[2];
    for (const bool socket : {false, true}) {
        ScriptedPrompter prompter;
        Window window(prompter);
        CMonitorDlg& dialog = window.Open();
        const auto look = [&] {
            for (const char* field : {"m_editStartTime", "m_editCallCost", "m_editSpentToday",
                                      "m_editSpentMonth", "m_editStartStopLabel"})
                seen[socket].push_back(window.Text(field));
        };
        socket ? said.push_back(window.Ctl({"start"}).out) : window.Click("m_btnStartStop");
        look();
        window.clock.Advance(125);
        dialog.OnTick(true);
        if (socket)
            said.push_back(window.Ctl({"status"}).out);
        look();
        socket ? said.push_back(window.Ctl({"stop"}).out) : window.Click("m_btnStartStop");
        dialog.RefreshDisplay();
        look();
        for (const ScriptedPrompter::Shown& shown : prompter.shown)
            seen[socket].push_back(shown.text);
        logs[socket] = window.ctl.CallLog();
    }
    EXPECT_EQ(seen[1], seen[0]);
    EXPECT_EQ(logs[1], logs[0]);
    EXPECT_NE(logs[1].find("End:\t02/12/26\t14:02:05"), std::string::npos) << logs[1];
    EXPECT_EQ(said,
              (std::vector<std::string>{"started at 14:00:00\n", "running since 14:00:00, 4.17 so far\n",
                                        "stopped at 14:02:05: 4.17\n"}));
}

TEST_F(ControlServerTest, ToggleStatusAndRaise) {
    ScriptedPrompter prompter;
    Window window(prompter);
    CMonitorDlg& dialog = window.Open();
    EXPECT_EQ(window.Ctl({"toggle"}).out, "started at 14:00:00\n");
    window.clock.Advance(30);
    const CtlResult json = window.Ctl({"status", "--json"});
    EXPECT_EQ(json.out,
              "{\"running\":true,\"start\":\"2026-12-02T14:00:00+00:00\",\"cost\":1.0,\"rate\":2.0}\n");
    EXPECT_EQ(window.Ctl({"toggle"}).out, "stopped at 14:00:30: 1.00\n");
    EXPECT_EQ(window.Text("m_editStartStopLabel"), "START Timer");
    const CtlResult stopped = window.Ctl({"status"});
    EXPECT_EQ(std::pair(stopped.exitCode, stopped.out), std::pair(0, std::string("stopped\n")));

    dialog.SetShown(false);
    ASSERT_FALSE(dialog.IsWindowShown());
    EXPECT_EQ(Peer(window.instance.SocketPath()).Ask("raise\n"), "ok\n");
    EXPECT_TRUE(dialog.IsWindowShown());
}

// corvellanctl add hands the call to the window, which inserts it, saves and shows it; a refusal
// is the window's, said as corvellanctl says its own.
TEST_F(ControlServerTest, AnAddWhileTheWindowRunsLandsInItsList) {
    ScriptedPrompter prompter;
    Window window(prompter);
    window.Open();
    const std::vector<std::string> add = {"add", "2026-12-02 10:00:00", "2026-12-02 10:05:00", "--now",
                                          "2026-12-02 14:00:00"};
    const CtlResult added = window.Ctl(add);
    EXPECT_EQ(std::pair(added.exitCode, added.err), std::pair(0, std::string()));
    EXPECT_EQ(window.dialog.Calls().GetSize(), 1);
    EXPECT_EQ(window.Text("m_editSpentMonth"), "$10.00");
    EXPECT_NE(window.ctl.CallLog().find("Start:\t02/12/26\t10:00:00\r\nEnd:\t02/12/26\t10:05:00"),
              std::string::npos);
    const CtlResult again = window.Ctl(add);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, "corvellanctl: the call overlaps the logged call from 2026-12-02 10:00:00 to "
                         "2026-12-02 10:05:00; nothing was added\n");
    EXPECT_EQ(window.dialog.Calls().GetSize(), 1);
}

// Garbage, a line too long, a client that says nothing and one that stops half-way: each is told
// why and dropped, while a hundred clients at once are answered and the call's ticks go on.
TEST_F(ControlServerTest, BadClientsAreToldAndDroppedWhileTheWindowTicks) {
    ScriptedPrompter prompter;
    Window window(prompter);
    CMonitorDlg& dialog = window.Open();
    dialog.OnStartStop();
    QTimer* tick = nullptr;
    for (QTimer* timer : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
        if (timer->interval() == CMonitorDlg::kShownPeriodMs && timer->isActive())
            tick = timer;
    ASSERT_NE(tick, nullptr);
    QSignalSpy ticks(tick, &QTimer::timeout);

    const std::string path = window.instance.SocketPath();
    Peer silent(path), halfway(path);
    halfway.Send("sta");
    EXPECT_EQ(Peer(path).Ask("frobnicate\n").rfind("error unknown request 'frobnicate'", 0), 0u);
    EXPECT_EQ(Peer(path).Ask(std::string(10000, 'x')), "error request longer than 4096 bytes\n");
    std::vector<std::unique_ptr<Peer>> crowd;
    for (int i = 0; i < 100; ++i) {
        crowd.push_back(std::make_unique<Peer>(path));
        crowd.back()->Send("status\n");
    }
    for (const auto& peer : crowd)
        EXPECT_EQ(peer->Reply().rfind("ok running 2026-12-02T14:00:00+00:00 ", 0), 0u);
    EXPECT_EQ(silent.Reply(), "error no request line within 2 seconds\n");
    EXPECT_EQ(halfway.Reply(), "error no request line within 2 seconds\n");
    EXPECT_GE(ticks.count(), 1) << "two seconds went by without a tick";
    EXPECT_EQ(Peer(path).Ask("stop\n").rfind("ok stopped", 0), 0u);
}

// A message box and a sheet run loops of their own: the socket is served in them as well.
TEST_F(ControlServerTest, RequestsAreServedWhileABoxOrASheetIsOpen) {
    QtPrompter boxes;
    Window window(boxes);
    window.Open();
    std::string started, stopped;
    OnNextModal([&](QDialog& question) { // Exit? No.
        started = Peer(window.instance.SocketPath()).Ask("start\n");
        question.reject();
    });
    window.Click("m_btnExit");
    EXPECT_EQ(started, "ok started 2026-12-02T14:00:00+00:00\n");
    EXPECT_EQ(window.Text("m_editStartStopLabel"), "STOP Timer");
    window.clock.Advance(60);
    OnNextModal([&](QDialog& sheet) {
        stopped = Peer(window.instance.SocketPath()).Ask("stop\n");
        sheet.reject();
    });
    window.Click("m_btnLogs");
    EXPECT_EQ(stopped.rfind("ok stopped", 0), 0u) << stopped;
    EXPECT_NE(window.ctl.CallLog().find("End:\t02/12/26\t14:01:00"), std::string::npos);
}

// The first run's Preferences open before the month's calls are read: nothing can be timed yet.
TEST_F(ControlServerTest, NothingIsTimedBeforeTheLogIsRead) {
    ScriptedPrompter prompter;
    Window window(prompter, true);
    std::string start, status;
    OnNextModal([&](QDialog& preferences) {
        start = Peer(window.instance.SocketPath()).Ask("start\n");
        status = Peer(window.instance.SocketPath()).Ask("status\n");
        preferences.reject();
    });
    window.Open();
    EXPECT_EQ(start, "error Corvellan is starting: the call log has not been read yet\n");
    EXPECT_EQ(status, "ok stopped\n");
    EXPECT_FALSE(window.monitor.IsRunning());
}
} // namespace
