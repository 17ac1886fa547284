// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtPrompter.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"

#include "core/platform/FakeClock.h"
#include "core/platform/UnixSocket.h"
#include "ctl/CtlProcess.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/WindowFields.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kPatienceMs = 60000; // for what must come; it comes much sooner

// A client on this thread; it waits by turning the event loop, so that the window serves it.
class Peer {
public:
    explicit Peer(const std::string& path) {
        CUnixSocket::Connection connection;
        m_socket = CUnixSocket::Connect(path, &connection, nullptr);
    }
    void Send(std::string_view bytes) { m_socket.Write(bytes); }
    // All the window said before it hung up.
    std::string Reply() {
        // Closed, or Failed: the enumerators after them.
        EXPECT_TRUE(QTest::qWaitFor([this] { return m_socket.Read(m_got, 65536) >= CUnixSocket::Io::Closed; },
                                    kPatienceMs));
        return m_got;
    }
    std::string Ask(std::string_view line) { return Send(line), Reply(); }

private:
    CUnixSocket m_socket;
    std::string m_got;
};

// A window wired as the program wires it, its files where corvellanctl looks for them.
struct Window {
    explicit Window(Prompter& prompter) : prompter(prompter) {
        EXPECT_TRUE(instance.Acquire());
        QObject::connect(&instance, &CSingleInstance::raiseRequested, &dialog,
                         [this] { dialog.SetShown(true); });
        instance.Serve(monitor, clock);
        dialog.OnInitDialog();
        dialog.show();
    }
    ~Window() { instance.StopServing(); }
    CtlResult Ctl(const std::vector<std::string>& args) const {
        return ctl.RunAside(args, [](auto done) { EXPECT_TRUE(QTest::qWaitFor(done, kPatienceMs)); });
    }
    std::string Ask(std::string_view line) const { return Peer(instance.SocketPath()).Ask(line); }
    std::string Text(const char* name) const { return FieldText(dialog, name); }

    CtlProcess ctl;
    Paths paths{ctl.ConfigDir(), ctl.DataDir()};
    Prompter& prompter;
    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CSingleInstance instance{paths};
    CMonitor monitor{paths, prompter, clock};
    CMonitorDlg dialog{nullptr, false, monitor, paths, prompter, clock};
};

class ControlServerTest : public FreshStateTest {};

// The same call timed with the button and with corvellanctl: the same Calls.log, the same figures
// at each step, the same warning.
TEST_F(ControlServerTest, AStartAndStopOverTheSocketAreTheButtons) {
    Settings.WarnCall = true;
    Settings.CallLimit = 1;
    std::vector<std::string> seen[2], said;
    std::string logs[2];
    for (const bool socket : {false, true}) {
        ScriptedPrompter prompter;
        Window window(prompter);
        const auto press = [&](const char* command) { // the button has no status to give
            if (socket)
                said.push_back(window.Ctl({command}).out);
            else if (command != std::string("status"))
                window.dialog.findChild<QPushButton*>(QStringLiteral("m_btnStartStop"))->click();
            for (const char* field :
                 {"m_editStartTime", "m_editCallCost", "m_editSpentMonth", "m_editStartStopLabel"})
                seen[socket].push_back(window.Text(field));
        };
        press("start");
        window.clock.Advance(125);
        window.dialog.OnTick(true);
        press("status");
        press("stop");
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

TEST_F(ControlServerTest, ToggleAndStatusInJson) {
    ScriptedPrompter prompter;
    Window window(prompter);
    EXPECT_EQ(window.Ctl({"toggle"}).out, "started at 14:00:00\n");
    window.clock.Advance(30);
    EXPECT_EQ(window.Ctl({"status", "--json"}).out,
              "{\"running\":true,\"start\":\"2026-12-02T14:00:00+00:00\",\"cost\":1.0,\"rate\":2.0}\n");
    EXPECT_EQ(window.Ctl({"toggle"}).out, "stopped at 14:00:30: 1.00\n");
    EXPECT_EQ(window.Ctl({"status"}).out, "stopped\n");
}

// The window inserts a call handed over by corvellanctl add, saves and shows it; a refusal is the
// window's, said as corvellanctl says its own.
TEST_F(ControlServerTest, AnAddWhileTheWindowRunsLandsInItsList) {
    ScriptedPrompter prompter;
    Window window(prompter);
    const std::vector<std::string> add = {"add", "2026-12-02 10:00:00", "2026-12-02 10:05:00", "--now",
                                          "2026-12-02 14:00:00"};
    EXPECT_EQ(window.Ctl(add).exitCode, 0);
    EXPECT_EQ(window.Text("m_editSpentMonth"), "$10.00");
    EXPECT_NE(window.ctl.CallLog().find("Start:\t02/12/26\t10:00:00\r\nEnd:\t02/12/26\t10:05:00"),
              std::string::npos);
    const CtlResult again = window.Ctl(add);
    EXPECT_EQ(
        std::pair(again.exitCode, again.err),
        std::pair(1, std::string("corvellanctl: the call overlaps the logged call from 2026-12-02 10:00:00 "
                                 "to 2026-12-02 10:05:00; nothing was added\n")));
}

// Garbage, a line too long, a client that says nothing and one that stops half-way: each is told
// why and dropped, while a hundred clients at once are answered and the call's ticks go on.
TEST_F(ControlServerTest, BadClientsAreToldAndDroppedWhileTheWindowTicks) {
    ScriptedPrompter prompter;
    Window window(prompter);
    window.dialog.OnStartStop();
    QTimer* tick = nullptr;
    for (QTimer* timer : window.dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
        tick = timer->interval() == CMonitorDlg::kShownPeriodMs && timer->isActive() ? timer : tick;
    ASSERT_NE(tick, nullptr);
    QSignalSpy ticks(tick, &QTimer::timeout);
    const std::string path = window.instance.SocketPath();
    Peer silent(path), halfway(path);
    halfway.Send("sta");
    EXPECT_EQ(window.Ask("frobnicate\n").rfind("error unknown request 'frobnicate'", 0), 0u);
    EXPECT_EQ(window.Ask(std::string(10000, 'x')), "error request longer than 4096 bytes\n");
    std::vector<std::unique_ptr<Peer>> crowd;
    for (int i = 0; i < 100; ++i)
        crowd.emplace_back(std::make_unique<Peer>(path))->Send("status\n");
    for (const auto& peer : crowd)
        EXPECT_EQ(peer->Reply().rfind("ok running 2026-12-02T14:00:00+00:00 ", 0), 0u);
    EXPECT_EQ(silent.Reply(), "error no request line within 2 seconds\n");
    EXPECT_EQ(halfway.Reply(), "error no request line within 2 seconds\n");
    EXPECT_GE(ticks.count(), 1) << "two seconds went by without a tick";
}

// A message box runs a loop of its own: the socket is served in it as well.
TEST_F(ControlServerTest, RequestsAreServedWhileABoxIsOpen) {
    QtPrompter boxes;
    Window window(boxes);
    std::string started;
    auto* poll = new QTimer(&window.dialog);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        if (QWidget* question = QApplication::activeModalWidget()) { // Exit? No.
            poll->stop();
            started = window.Ask("start\n");
            question->close();
        }
    });
    poll->start(10);
    window.dialog.findChild<QPushButton*>(QStringLiteral("m_btnExit"))->click();
    EXPECT_EQ(started, "ok started 2026-12-02T14:00:00+00:00\n");
    EXPECT_EQ(window.Text("m_editStartStopLabel"), "STOP Timer");
}
} // namespace
