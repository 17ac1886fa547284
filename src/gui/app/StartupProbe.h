// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Marks for bench/footprint, printed to stdout only when CORVELLAN_PROBE is set, so that Corvellan
// and the bare Qt dialog it is compared with are timed by the same code. Qt only: the bare dialog
// compiles this file without Corvellan's libraries.
class CStartupProbe : public QObject {
public:
    // What CORVELLAN_PROBE asks for ("paint", "tick", "sheet", ...); empty when the probe is off.
    static QByteArray Mode();
    // Prints "probe <what> <value>" and flushes, so a reader at the other end of a pipe sees it now.
    static void Print(const char* what, long long value);
    // The wall clock (CLOCK_REALTIME) in nanoseconds, comparable with the launching script's clock.
    static long long Now();
    // At the first paint of a widget that matches (a window's first paint event may go to one of
    // its children first), prints "probe <what> <ns>", stops watching and queues then (so the paint
    // completes first).
    static void AtFirstPaint(std::function<bool(const QWidget*)> matches, const char* what,
                             std::function<void()> then = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CStartupProbe(std::function<bool(const QWidget*)> matches, const char* what, std::function<void()> then);

    std::function<bool(const QWidget*)> m_matches;
    const char* m_what;
    std::function<void()> m_then;
    bool m_done = false;
};
