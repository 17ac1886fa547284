// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/CallListModel.h"

#include "core/billing/CallArray.h"

namespace {
constexpr int kColumns = 3;
const char* const kHeadings[kColumns] = {QT_TRANSLATE_NOOP("CCallListModel", "Call started at"),
                                         QT_TRANSLATE_NOOP("CCallListModel", "Call Duration"),
                                         QT_TRANSLATE_NOOP("CCallListModel", "Call Cost ")};
const Qt::Alignment kAlignments[kColumns] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                             Qt::AlignCenter};
} // namespace

CCallListModel::CCallListModel(const CCallArray& calls, QObject* parent)
    : QAbstractTableModel(parent), m_calls(&calls), m_rows(calls.GetSize()) {}

int CCallListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CCallListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CCallListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || index.column() >= kColumns)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kAlignments[index.column()]);
    if (role != Qt::DisplayRole)
        return {};
    const CallRowTexts& texts = RowTexts(index.row());
    const std::string& text = index.column() == 0   ? texts.start
                              : index.column() == 1 ? texts.duration
                                                    : texts.cost;
    return QString::fromStdString(text);
}

QVariant CCallListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return {};
    if (role == Qt::DisplayRole)
        return tr(kHeadings[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kAlignments[section]);
    return {};
}

void CCallListModel::Clear() {
    beginResetModel();
    m_rows = 0;
    m_cachedRow = -1;
    endResetModel();
}

void CCallListModel::SetCalls(const CCallArray& calls) {
    beginResetModel();
    m_calls = &calls;
    m_rows = calls.GetSize();
    m_cachedRow = -1;
    endResetModel();
}

const CallRowTexts& CCallListModel::RowTexts(int row) const {
    if (row != m_cachedRow) {
        m_cachedTexts = BuildCallRowTexts(m_calls->GetAt(row));
        m_cachedRow = row;
    }
    return m_cachedTexts;
}
