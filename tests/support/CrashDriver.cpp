// SPDX-License-Identifier: GPL-3.0-or-later
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

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    const int stops = argc == 5 ? ::open(argv[3], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600) : -1;
    if (stops < 0)
        return 2;
    FakeClock clock(CTime(std::stoll(argv[4])));
    ScriptedPrompter prompter;
    CMonitorApp app(Paths(argv[1], argv[2]), prompter, clock);
    app.onDialogCreated = [&](CMonitorDlg& dialog) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("m_btnStartStop"));
        auto* presser = new QTimer(&dialog);
        QObject::connect(presser, &QTimer::timeout, &dialog,
                         [&, button, start = CTime(), presses = 0]() mutable {
                             const bool stopping = presses++ % 2 == 1;
                             clock.Advance(30);
                             start = stopping ? start : clock.Now();
                             button->click();
                             const std::string line = std::to_string(start.GetTime()) + " " +
                                                      std::to_string(clock.Now().GetTime());
                             if (stopping && ::write(stops, (line + "\n").data(), line.size() + 1) < 0)
                                 ::_exit(3);
                             if (presses == 2000) // should nobody kill it
                                 dialog.EndSession();
                         });
        presser->start(1);
    };
    return app.InitInstance();
}
