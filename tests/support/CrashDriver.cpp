// The window program for the crash test: Corvellan's real start-up and window, with a fake clock
// that moves 30 seconds at each press of the start/stop button, pressed every millisecond. After a
// stop has returned, the call's two times are appended to a side file, so the test knows which calls
// the program had finished recording when it was killed.
// Usage: corvellan_crash_driver CONFIG_DIR DATA_DIR STOPS_FILE START_SECONDS
#include "core/platform/FakeClock.h"
#include "gui/app/MonitorApp.h"
#include "gui/monitor/MonitorDlg.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {
// Ends on its own after this many presses, should nobody kill it.
constexpr int kMaxPresses = 2000;
} // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    QApplication qtApp(argc, argv);
    FakeClock clock(CTime(std::stoll(argv[4])));
    ScriptedPrompter prompter;
    CMonitorApp app(Paths(argv[1], argv[2]), prompter, clock);
    const int stops = ::open(argv[3], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (stops < 0)
        return 2;
    app.onDialogCreated = [&](CMonitorDlg& dialog) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("m_btnStartStop"));
        auto* presser = new QTimer(&dialog);
        QObject::connect(presser, &QTimer::timeout, &dialog,
                         [&, button, running = false, start = CTime(), presses = 0]() mutable {
                             clock.Advance(30);
                             if (!running)
                                 start = clock.Now();
                             button->click();
                             if (running) {
                                 const std::string line = std::to_string(start.GetTime()) + " " +
                                                          std::to_string(clock.Now().GetTime()) + "\n";
                                 if (::write(stops, line.data(), line.size()) < 0)
                                     ::_exit(3);
                             }
                             running = !running;
                             if (++presses == kMaxPresses)
                                 dialog.EndSession();
                         });
        presser->start(1);
    };
    return app.InitInstance();
}
