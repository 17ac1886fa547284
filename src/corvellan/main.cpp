// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MonitorApp.h"

int main(int argc, char** argv) {
    CMonitorApp app(argc, argv);
    return app.InitInstance();
}
