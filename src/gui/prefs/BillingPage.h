// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/PreferencesFields.h"
#include "gui/prefs/PreferencesPage.h"

#include <functional>

class QBoxLayout;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;

// "Billing System": the four rates, the times at which day and night begin, the rounding of calls
// to whole intervals, the fee and minimum per call, the weekend days, the holidays, and the day
// the billing period starts on. Each edit is named after the setting it holds.
class CBillingPage : public CPreferencesPage, public CBillingFields {
    Q_OBJECT
public:
    static constexpr unsigned long kHelpId = 0x20084;

    explicit CBillingPage(Prompter& prompter, QWidget* parent = nullptr);

    bool DoDataExchange(bool saveAndValidate) override;
    void OnOK() override;

    QCheckBox* m_checkBreakIntervals;
    QLineEdit* m_editIntervals;
    // Which moments the typed times charge at the day and at the night rate.
    QLabel* m_textPeriods;

    // The tariff options: the weekend days by their digit (WeekendDay1 Sunday ... WeekendDay7
    // Saturday) in the locale's order of the week, and the holidays with the date to add.
    QCheckBox* m_checkWeekendDays[7];
    QListWidget* m_listHolidays;
    QDateEdit* m_dateHoliday;
    QCheckBox* m_checkEveryYear;
    QLineEdit* m_editCurrencySymbol;
    // The billing period that the typed start day makes of today.
    QLabel* m_textBillingPeriod;
    // Where "today" comes from.
    std::function<CTime()> now;

private:
    void UpdatePeriods();
    void UpdateBillingPeriod();
    void BuildTariffOptions(QBoxLayout* rows);
    void ReadWeekendDays();
    void ShowHolidays();
    void OnAddHoliday();
    void OnRemoveHoliday();
};
