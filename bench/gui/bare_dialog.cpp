// SPDX-License-Identifier: GPL-3.0-or-later
// The simplest Qt Widgets program, one empty QDialog: what bench/footprint holds Corvellan's start-up
// time and memory against. It carries the same probe as Corvellan and links Qt only.
//   --label   the dialog shows one line of text: what any window with text pays for its fonts
// Probed with "tick", it runs a one-second timer that does nothing else: the floor of a tick.
#include "gui/app/StartupProbe.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    if (QCoreApplication::arguments().contains(QStringLiteral("--label")))
        (new QVBoxLayout(&dialog))->addWidget(new QLabel(QStringLiteral("Spent this month:"), &dialog));
    QTimer timer;
    long long ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { CStartupProbe::Print("tick", ++ticks); });
    const QByteArray mode = CStartupProbe::Mode();
    if (!mode.isEmpty())
        CStartupProbe::AtFirstPaint(
            [&dialog](const QWidget* painted) { return painted->window() == &dialog; }, "first-paint",
            [&timer, mode] {
                if (mode == "tick")
                    timer.start(1000);
            });
    return dialog.exec();
}
