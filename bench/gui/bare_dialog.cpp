// SPDX-License-Identifier: GPL-3.0-or-later
// The simplest Qt Widgets program, one empty QDialog: what bench/footprint holds Corvellan's start-up
// time and memory against. It carries the same probe as Corvellan and links Qt only.
#include "gui/app/StartupProbe.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    if (!CStartupProbe::Mode().isEmpty())
        CStartupProbe::AtFirstPaint(
            [&dialog](const QWidget* painted) { return painted->window() == &dialog; }, "first-paint");
    return dialog.exec();
}
