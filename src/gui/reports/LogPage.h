// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"

#include <QString>
#include <QWidget>
#include <optional>

class CCallArray;
class CCallListModel;
class Clock;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The Call Log page: the month's calls with their start, duration and cost, the month's totals,
// Clear Log and Export CSV. Clearing empties only the list shown; the sheet's owner empties the
// month's list itself when the sheet is closed with OK.
class CLogPage : public QWidget {
    Q_OBJECT
public:
    static constexpr unsigned long kHelpId = 0x2008A;

    CLogPage(const CCallArray& calls, Clock& clock, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the calls of an ended month (past) or of this one under a heading of their own; only
    // this month's may be cleared.
    void ShowMonth(const CCallArray& calls, const QString& heading, std::optional<CBillingPeriod> past);

    QPushButton* m_ctlClearLog;
    QPushButton* m_btnExportCsv;
    QTableView* m_ctlCallList;
    QLabel* m_labelHeading;
    unsigned m_nTotalCalls = 0;
    QString m_strTimeOnline;
    QString m_strTotalCost;

signals:
    void logCleared();

public slots:
    void OnClearLog();
    void OnExportCsv();

private:
    void BuildLayout();
    void SetColumnWidths();
    void OnInitDialog();
    // Values to controls only: the page has nothing for the user to type.
    void DoDataExchange(bool saveAndValidate);
    void ShowEmptyTotals();

    const CCallArray* m_calls;
    std::optional<CBillingPeriod> m_past;
    Clock& m_clock;
    Prompter& m_prompter;
    CCallListModel* m_model;
    QLineEdit* m_editTotalCalls;
    QLineEdit* m_editTimeOnline;
    QLineEdit* m_editTotalCost;
};
