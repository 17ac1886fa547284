// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/PreferencesFields.h"
#include "gui/prefs/PreferencesPage.h"

// "Messages": the user's own texts of the three limit warnings. Each edit is named after the
// setting it holds.
class CMessagesPage : public CPreferencesPage, public CMessagesFields {
    Q_OBJECT
public:
    static constexpr unsigned long kHelpId = 0x20087;

    explicit CMessagesPage(Prompter& prompter, QWidget* parent = nullptr);

    bool DoDataExchange(bool saveAndValidate) override;
    void OnOK() override;
};
