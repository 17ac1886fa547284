// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/Autostart.h"
#include "gui/prefs/PreferencesPage.h"

class QCheckBox;

// "General": whether the desktop session starts Corvellan, hidden in the tray, when the user logs
// in. The box shows the autostart entry as it is when the sheet opens; OK writes or removes it.
class CGeneralPage : public CPreferencesPage {
    Q_OBJECT
public:
    // Its help topic number itself: the page has no window help id to translate.
    static constexpr unsigned long kHelpId = 111;

    CGeneralPage(Prompter& prompter, const Paths& paths, QWidget* parent = nullptr);

    bool DoDataExchange(bool saveAndValidate) override;
    void OnOK() override;

private:
    CAutostart m_autostart;
    bool m_bStartAtLogin;
    QCheckBox* m_checkStartAtLogin;
};
