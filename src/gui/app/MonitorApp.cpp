// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MonitorApp.h"

#include "core/automation/LinkFollower.h"
#include "core/automation/SleepGuard.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/Locale.h"
#include "core/platform/ProgramState.h"
#include "core/platform/SystemClock.h"
#include "core/settings/Autostart.h"
#include "core/settings/Settings.h"
#include "gui/app/FontWarmUp.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/MonitorProbe.h"
#include "gui/app/QtPrompter.h"
#include "gui/app/Resources.h"
#include "gui/app/SignalWatcher.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/StyleImages.h"
#include "gui/app/Translations.h"
#include "gui/monitor/Icons.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/system/LinkWatcher.h"
#include "gui/system/LogindWatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {
constexpr std::array kTextOnly{"-h", "--help", "--help-all", "-v", "--version"};
constexpr char kNoShm[] = "QT_XCB_NO_MITSHM";

QStringList Arguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}
} // namespace

CMonitorApp::CMonitorApp(int& argc, char** argv)
    : m_ownPrompter(std::make_unique<QtPrompter>()), m_ownClock(std::make_unique<SystemClock>()),
      m_paths(Paths::FromEnvironment()), m_prompter(m_ownPrompter.get()), m_clock(m_ownClock.get()) {
    // --help and --version answer in a terminal without a display, where QApplication cannot start.
    const QStringList given = Arguments(argc, argv);
    const bool textOnly = std::any_of(kTextOnly.begin(), kTextOnly.end(), [&given](const char* option) {
        return given.contains(QLatin1String(option));
    });
    if (QCoreApplication::instance() == nullptr && textOnly) {
        const QCoreApplication terminal(argc, argv);
        const CTranslations translations; // the help in the user's language, Qt's options too
        m_earlyExit = ParseCommandLine(given, startHidden);
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        // Every second of a call repaints a few small values. Through X shared memory, each paint
        // first waits for the display to finish with the last one (a round trip, and a wake-up of
        // Qt's event thread); sent over the socket, a few kilobytes need no waiting. Qt's xcb
        // plug-in reads this only as it connects, so programs started from here are not told.
        // Set and taken back while no other thread of ours reads the environment.
        const bool ownShm = !qEnvironmentVariableIsSet(kNoShm);
        if (ownShm)
            qputenv(kNoShm, "1");
        {
            const CFontWarmUp fonts;
            m_qtApp = std::make_unique<QApplication>(argc, argv);
        }
        if (ownShm)
            qunsetenv(kNoShm);
    }
    InitCorvellanResources();
    m_translations = std::make_unique<CTranslations>();
    // Qt has taken its own options out of argv.
    m_earlyExit = ParseCommandLine(Arguments(argc, argv), startHidden);
}

CMonitorApp::CMonitorApp(Paths paths, Prompter& prompter, Clock& clock)
    : m_paths(std::move(paths)), m_prompter(&prompter), m_clock(&clock) {
    InitCorvellanResources();
}

CMonitorApp::~CMonitorApp() {
    delete m_helpViewer;
}

std::optional<int> CMonitorApp::ParseCommandLine(const QStringList& arguments, bool& hidden) {
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Times your metered calls and shows what they cost."));
    const QCommandLineOption hiddenOption(QStringLiteral("hidden"),
                                          tr("Start hidden in the notification area (shown when "
                                             "the desktop has none)."));
    parser.addOption(hiddenOption);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? tr("Unexpected argument '%1'.").arg(parser.positionalArguments().value(0))
                                  : parser.errorText();
        std::fputs(qPrintable(tr("corvellan: %1 (see corvellan --help)\n").arg(error)), stderr);
        return 2;
    }
    const bool helpAsked = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    if (helpAsked || parser.isSet(version)) {
        const QString text = helpAsked ? parser.helpText() : QStringLiteral("Corvellan 1.0\n");
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    hidden = parser.isSet(hiddenOption);
    return std::nullopt;
}

int CMonitorApp::InitInstance() {
    if (m_earlyExit)
        return *m_earlyExit;
    QApplication::setApplicationName(QStringLiteral("Corvellan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvellan"));
    // The window hides into the tray; that must never end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(LoadWindowIcon());
    PreloadStyleImages();
    // Desktops match the running program to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvellan.Corvellan"));

    // Qt has already called setlocale(LC_ALL, ""); make it explicit, and fall back to "C" when the
    // user's locale is not installed.
    CurrencySymbol = InitUserLocale();
    ProgramDirectory = m_paths.DataDir();

    CSingleInstance instance(m_paths);
    // Already running: bring that window up instead of opening a second one. Nobody answering
    // means the lock is only briefly held (corvellanctl adding a call): wait for it.
    if (!instance.Acquire() &&
        (instance.Refused() || instance.RaiseRunningInstance() || !instance.Acquire(3000))) {
        if (instance.Refused()) {
            std::fprintf(stderr, "corvellan: %s\n", instance.LockError().c_str());
            m_prompter->ShowMessage(tr("Corvellan Error").toStdString(), instance.LockError(),
                                    PromptIcon::Stop);
            return 1;
        }
        std::fputs(qPrintable(tr("Corvellan is already running.\n")), stderr);
        return 0;
    }
    if (!instance.ControlError().empty()) // the window works all the same, only corvellanctl cannot reach it
        std::fputs(qPrintable(tr("corvellan: no control socket: %1\n")
                                  .arg(QString::fromStdString(instance.ControlError()))),
                   stderr);

    // From here on a signal ends the program the orderly way, even from inside a message box.
    CSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &CSignalWatcher::terminationRequested, [this] { RequestEnd(); });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &signalWatcher,
                     [this](QSessionManager&) { RequestEnd(); });
#endif

    // What a writer killed half-way through left beside the files; this run holds the lock now.
    for (const std::string& file : {m_paths.SettingsFile(), m_paths.CallLogFile()})
        RemoveLeftoverTemporaries(file, SystemClock().Now().GetTime());
    int exitCode = 0;
    const bool firstRun = LoadSettings(m_paths, *m_prompter);
    ApplyCurrencySymbol();
    // The autostart entry of an earlier version carries the old name; the user keeps autostart.
    if (!m_ending)
        CAutostart(m_paths, QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString())
            .ReplaceOldEntry(*m_prompter);
    if (!m_ending) {
        CMonitor monitor(m_paths, *m_prompter, *m_clock);
        CMonitorDlg dialog(nullptr, firstRun, monitor, m_paths, *m_prompter, *m_clock);
        m_dialog = &dialog;
        if (m_ownPrompter)
            m_ownPrompter->SetOwner(&dialog);
        QObject::connect(&instance, &CSingleInstance::raiseRequested, &dialog,
                         [&dialog] { dialog.SetShown(true); });
        instance.Serve(monitor, *m_clock);
        QObject::connect(&dialog, &CMonitorDlg::helpRequested,
                         [this](unsigned long context) { ShowHelp(context); });
        // The network link is followed once the month's calls are read, and again as the user
        // changes the Preferences.
        CLinkFollower linkFollower(monitor, [&dialog](const std::string& text) { dialog.ShowNotice(text); });
        CLinkWatcher linkWatcher(&linkFollower);
        const auto followLink = [&] {
            if (monitor.IsLoaded())
                linkWatcher.Follow(Settings.FollowLink, Settings.Interface);
        };
        QObject::connect(&dialog, &CMonitorDlg::ready, &linkWatcher, followLink);
        QObject::connect(&dialog, &CMonitorDlg::preferencesAccepted, &linkWatcher, followLink);
        // A sleep or a shutdown ends the call; the window says so on waking, or a new call starts
        // when the followed link is still up.
        CSleepGuard sleepGuard(monitor, *m_clock);
        sleepGuard.SetNotice([&dialog](const std::string& text) { dialog.ShowNotice(text); });
        sleepGuard.SetStartOnWake([&linkFollower] { return linkFollower.IsLinkUp(); });
        CLogindWatcher logind(sleepGuard);
        QObject::connect(&dialog, &CMonitorDlg::settled, &logind, &CLogindWatcher::Watch);
        if (onDialogCreated)
            onDialogCreated(dialog);
        ArmMonitorProbe(dialog); // bench/footprint's marks; nothing unless CORVELLAN_PROBE is set
        dialog.Run(startHidden);
        instance.StopServing();
        monitor.End();
        if (monitor.EndFailed()) {
            // Said where it can still be read, whatever ended the program.
            const std::string kept = monitor.EndFallback();
            const QString log = QString::fromStdString(m_paths.CallLogFile());
            const QString said = kept.empty()
                                     ? tr("corvellan: %1 could not be written; the calls of this run "
                                          "are lost\n")
                                           .arg(log)
                                     : tr("corvellan: %1 could not be written; its calls were kept "
                                          "in %2\n")
                                           .arg(log, QString::fromStdString(kept));
            std::fputs(qPrintable(said), stderr);
            exitCode = 1;
        }
        if (m_ownPrompter)
            m_ownPrompter->SetOwner(nullptr);
        m_dialog = nullptr;
    }

    if (SettingsChanged)
        SaveSettings(m_paths, *m_prompter);
    m_sweeper.stop();
    return exitCode;
}

void CMonitorApp::RequestEnd() {
    if (m_ending)
        return;
    m_ending = true;
    if (auto* qtPrompter = dynamic_cast<QtPrompter*>(m_prompter))
        qtPrompter->SetEnding();
    if (m_dialog != nullptr)
        m_dialog->EndSession();
    CloseDialogs();
    // A dialog opened by code that was waiting on a closed one is closed as well.
    QObject::connect(&m_sweeper, &QTimer::timeout, [this] { CloseDialogs(); });
    m_sweeper.start(50);
}

void CMonitorApp::CloseDialogs() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog != m_dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    }
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

void CMonitorApp::ShowHelp(unsigned long context) {
    if (!m_helpViewer)
        m_helpViewer = new CHelpViewer(m_translations ? m_translations->Language() : QString());
    m_helpViewer->ShowTopic(TranslateHelpContext(context));
}
