// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Paths.h"
#include "gui/app/HelpViewer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QApplication;
class Clock;
class Prompter;
class QtPrompter;
class CMonitorDlg;
class CTranslations;

// The application object: owns the QApplication (when none exists yet) and runs the start-up and
// shut-down sequence around the monitor window.
class CMonitorApp {
    Q_DECLARE_TR_FUNCTIONS(CMonitorApp)

public:
    // The program: real dialogs, the system clock, the user's directories, and its command line
    // (--hidden: start in the tray, as the autostart entry does).
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
    void ShowHelp(unsigned long context);
    static unsigned long TranslateHelpContext(unsigned long context);

    // A signal or the end of the desktop session: a running call is recorded, every open dialog is
    // closed as if cancelled, and start-up or the window's run goes on to the normal end.
    void RequestEnd();

    // The command line without Qt's own options: hidden is set by --hidden. --help, --version and
    // a command line not understood give the exit code with which the program ends at once.
    static std::optional<int> ParseCommandLine(const QStringList& arguments, bool& hidden);

    CHelpViewer* HelpViewer() const { return m_helpViewer; }
    // The window starts hidden in the tray (shown when there is none).
    bool startHidden = false;
    // Called once the monitor window exists, before it runs (tests drive it from here).
    std::function<void(CMonitorDlg&)> onDialogCreated;

private:
    void CloseDialogs();

    std::unique_ptr<QApplication> m_qtApp;
    std::unique_ptr<CTranslations> m_translations;
    std::unique_ptr<QtPrompter> m_ownPrompter;
    std::unique_ptr<Clock> m_ownClock;
    Paths m_paths;
    Prompter* m_prompter;
    Clock* m_clock;
    CMonitorDlg* m_dialog = nullptr;
    QPointer<CHelpViewer> m_helpViewer;
    bool m_ending = false;
    std::optional<int> m_earlyExit;
    QTimer m_sweeper;
};
