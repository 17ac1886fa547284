#pragma once

#include "gui/app/HelpViewer.h"
#include "core/platform/Paths.h"

#include <QPointer>
#include <functional>
#include <memory>

class QApplication;
class Clock;
class Prompter;
class CMonitorDlg;

// The application object: owns the QApplication (when none exists yet) and runs the start-up and
// shut-down sequence around the monitor window.
class CMonitorApp {
public:
    // The program: real dialogs, the system clock, the user's directories.
    CMonitorApp(int& argc, char** argv);
    // Tests: an existing QApplication, their own directories, prompter and clock.
    CMonitorApp(Paths paths, Prompter& prompter, Clock& clock);
    ~CMonitorApp();
    CMonitorApp(const CMonitorApp&) = delete;
    CMonitorApp& operator=(const CMonitorApp&) = delete;

    // Locale and currency symbol, settings, the monitor window run modally, the settings saved when
    // they changed. Returns the process exit code.
    int InitInstance();

    // Opens the help viewer at the topic for a help context (window help ids are translated).
    void WinHelp(unsigned long context, unsigned command = HELP_CONTEXT);
    static unsigned long TranslateHelpContext(unsigned long context);

    // The monitor window while InitInstance runs it, else null.
    CMonitorDlg* MonitorDialog() const { return m_dialog; }
    CHelpViewer* HelpViewer() const { return m_helpViewer; }
    // Called once the monitor window exists, before it runs (tests end it from here).
    std::function<void(CMonitorDlg&)> onDialogCreated;

    static CMonitorApp* Instance() { return s_instance; }

    static constexpr unsigned HELP_CONTEXT = 1;

private:
    std::unique_ptr<QApplication> m_qtApp;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<Clock> m_ownClock;
    Paths m_paths;
    Prompter* m_prompter;
    Clock* m_clock;
    CMonitorDlg* m_dialog = nullptr;
    QPointer<CHelpViewer> m_helpViewer;

    static CMonitorApp* s_instance;
};
