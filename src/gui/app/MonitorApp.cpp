#include "gui/app/MonitorApp.h"

#include "gui/app/HelpViewer.h"
#include "gui/app/Resources.h"
#include "core/settings/Settings.h"
#include "gui/app/SignalWatcher.h"
#include "gui/app/SingleInstance.h"
#include "gui/monitor/MonitorDlg.h"
#include "core/platform/Locale.h"
#include "core/platform/ProgramState.h"
#include "gui/app/QtPrompter.h"
#include "core/platform/SystemClock.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <cstdio>

CMonitorApp* CMonitorApp::s_instance = nullptr;

CMonitorApp::CMonitorApp(int& argc, char** argv)
    : m_ownPrompter(std::make_unique<QtPrompter>()), m_ownClock(std::make_unique<SystemClock>()),
      m_paths(Paths::FromEnvironment()), m_prompter(m_ownPrompter.get()), m_clock(m_ownClock.get()) {
    if (QCoreApplication::instance() == nullptr)
        m_qtApp = std::make_unique<QApplication>(argc, argv);
    s_instance = this;
}

CMonitorApp::CMonitorApp(Paths paths, Prompter& prompter, Clock& clock)
    : m_paths(std::move(paths)), m_prompter(&prompter), m_clock(&clock) {
    s_instance = this;
}

CMonitorApp::~CMonitorApp() {
    delete m_helpViewer;
    if (s_instance == this)
        s_instance = nullptr;
}

int CMonitorApp::InitInstance() {
    QApplication::setApplicationName(QStringLiteral("Corvellan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvellan"));
    InitCorvellanResources();
    // The window hides into the tray; that must never end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/128.svg")));

    // Qt has already called setlocale(LC_ALL, ""); make it explicit, and fall back to "C" when the
    // user's locale is not installed.
    CurrencySymbol = InitUserLocale();
    ProgramDirectory = m_paths.DataDir();

    CSingleInstance instance(m_paths);
    if (!instance.Acquire()) {
        // Already running: bring that window up instead of opening a second one. Nobody answering
        // means the lock is only briefly held (corvellanctl adding a call): wait for it.
        if (instance.RaiseRunningInstance() || !instance.Acquire(3000)) {
            std::fprintf(stderr, "Corvellan is already running.\n");
            return 0;
        }
    }

    const bool firstRun = LoadSettings(m_paths, *m_prompter);

    CMonitorDlg dialog(nullptr, firstRun, m_paths, *m_prompter, *m_clock);
    m_dialog = &dialog;
    if (auto* qtPrompter = dynamic_cast<QtPrompter*>(m_prompter))
        qtPrompter->SetOwner(&dialog);
    QObject::connect(&instance, &CSingleInstance::raiseRequested, &dialog,
                     [&dialog] { dialog.SetShown(true); });
    CSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &CSignalWatcher::terminationRequested, &dialog,
                     [&dialog] { dialog.EndSession(); });
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session is ending: record a running call and leave like Exit does.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dialog,
                     [&dialog](QSessionManager&) { dialog.EndSession(); });
#endif
    if (onDialogCreated)
        onDialogCreated(dialog);
    dialog.Run();
    if (auto* qtPrompter = dynamic_cast<QtPrompter*>(m_prompter))
        qtPrompter->SetOwner(nullptr);
    m_dialog = nullptr;

    if (SettingsChanged)
        SaveSettings(m_paths, *m_prompter);
    return 0;
}

unsigned long CMonitorApp::TranslateHelpContext(unsigned long context) {
    switch (context) {
    case 0x20066: // monitor window
        return 103;
    case 0x20084: // Billing System page
        return 108;
    case 0x20086: // Time Limits page
        return 109;
    case 0x20087: // Messages page
        return 110;
    case 0x2008A: // Call Log page
        return 105;
    case 0x2008C: // Report page
        return 106;
    default:
        return context;
    }
}

void CMonitorApp::WinHelp(unsigned long context, unsigned command) {
    Q_UNUSED(command); // only topic lookups are ever asked for
    if (!m_helpViewer)
        m_helpViewer = new CHelpViewer();
    m_helpViewer->ShowTopic(TranslateHelpContext(context));
}
