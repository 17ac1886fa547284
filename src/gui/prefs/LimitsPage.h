// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/PreferencesFields.h"
#include "gui/prefs/PreferencesPage.h"

// "Time Limits": what one call, one day and one month may cost, whether reaching each limit shows
// its warning, and the share of a limit at which an early warning comes. Each control is named
// after the setting it holds.
class CLimitsPage : public CPreferencesPage, public CLimitsFields {
    Q_OBJECT
public:
    static constexpr unsigned long kHelpId = 0x20086;

    explicit CLimitsPage(Prompter& prompter, QWidget* parent = nullptr);

    bool DoDataExchange(bool saveAndValidate) override;
    void OnOK() override;
};
