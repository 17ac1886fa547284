// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reports/CallListText.h"

#include <QAbstractTableModel>

class CCallArray;

// The month's calls as the Call Log list shows them: start, duration, cost. Rows are made when the
// view asks for them, so a month of any length opens at once. The calls are read in place; the
// list may grow while the sheet is open (a call stopped from the tray) but only the calls that
// were there when it opened are shown.
class CCallListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CCallListModel(const CCallArray& calls, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Empties the list shown; the calls themselves are left alone.
    void Clear();
    // Shows other calls (another month's), as they are now.
    void SetCalls(const CCallArray& calls);

private:
    const CallRowTexts& RowTexts(int row) const;

    const CCallArray* m_calls;
    int m_rows;
    // The view asks for a row's cells one after another: price each call once, not once a cell.
    mutable int m_cachedRow = -1;
    mutable CallRowTexts m_cachedTexts;
};
