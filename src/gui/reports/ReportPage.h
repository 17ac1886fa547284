// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"

#include <QWidget>
#include <optional>

class CCallArray;
class Clock;
class QPlainTextEdit;

// The Report page: the month's brief report and the pace line, written once when the page is
// first shown. The user may edit the text; nothing reads it back.
class CReportPage : public QWidget {
    Q_OBJECT
public:
    static constexpr unsigned long kHelpId = 0x2008C;

    CReportPage(const CCallArray& calls, Clock& clock, QWidget* parent = nullptr);

    // The calls to report on, until the report is written (an emptied list after Clear Log).
    void SetCalls(const CCallArray& calls) { m_calls = &calls; }
    // Another month to report on (none: this one), written again at once if it was written.
    void SetMonth(const CCallArray& calls, std::optional<CBillingPeriod> past);

    QPlainTextEdit* m_editReport;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();

    const CCallArray* m_calls;
    std::optional<CBillingPeriod> m_past;
    Clock& m_clock;
    bool m_bWritten = false;
};
