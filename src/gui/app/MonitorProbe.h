// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CMonitorDlg;

// The start-up probe's Corvellan side (see StartupProbe.h), armed only when CORVELLAN_PROBE is set:
// "probe ready" once the event loop runs and "probe first-paint" at the window's first paint; then
// with CORVELLAN_PROBE=tick a call is started and each tick of the shown window prints "probe tick
// <n>", and with CORVELLAN_PROBE=sheet the Logs and Reports sheet is opened ("probe sheet-open",
// "probe sheet-paint").
void ArmMonitorProbe(CMonitorDlg& dialog);
