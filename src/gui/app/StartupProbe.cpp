// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

QByteArray CStartupProbe::Mode() {
    return qgetenv("CORVELLAN_PROBE");
}

void CStartupProbe::Print(const char* what, long long value) {
    std::printf("probe %s %lld\n", what, value);
    std::fflush(stdout);
}

long long CStartupProbe::Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void CStartupProbe::AtFirstPaint(std::function<bool(const QWidget*)> matches, const char* what,
                                 std::function<void()> then) {
    // Watches every widget, since a window's first paint event may go to a child first; it goes as
    // soon as it has seen one.
    qApp->installEventFilter(new CStartupProbe(std::move(matches), what, std::move(then)));
}

CStartupProbe::CStartupProbe(std::function<bool(const QWidget*)> matches, const char* what,
                             std::function<void()> then)
    : QObject(qApp), m_matches(std::move(matches)), m_what(what), m_then(std::move(then)) {}

bool CStartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (m_done || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    if (!m_matches(static_cast<QWidget*>(watched)))
        return false;
    m_done = true;
    Print(m_what, Now());
    qApp->removeEventFilter(this);
    if (m_then)
        QTimer::singleShot(0, qApp, m_then);
    deleteLater();
    return false;
}
