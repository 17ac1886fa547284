// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/PreferencesFields.h"
#include "gui/prefs/PreferencesPage.h"

class CLinkWatcher;
class QCheckBox;
class QComboBox;

// "Connection": whether the timer starts and stops with a network link, and which one. The list
// offers the links there are, the modem links first, and follows them while the page is open; a
// link that is not there yet (ppp0 exists only while connected) can be typed in.
class CConnectionPage : public CPreferencesPage, public CConnectionFields {
    Q_OBJECT
public:
    // Its help topic number itself, as the General page's.
    static constexpr unsigned long kHelpId = 112;

    explicit CConnectionPage(Prompter& prompter, QWidget* parent = nullptr);

    bool DoDataExchange(bool saveAndValidate) override;
    void OnOK() override;

private:
    void FillLinks();

    QCheckBox* m_checkFollow;
    QComboBox* m_comboInterface;
    CLinkWatcher* m_watcher;
};
