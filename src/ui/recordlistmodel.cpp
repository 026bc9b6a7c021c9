#include "ui/recordlistmodel.h"

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return role == recordRole ? m_records.at(index.row()) : QVariant();
}

int RecordListModel::indexFrom(const QVariantList &records, qsizetype from, const QVariant &record) const
{
    for (qsizetype i = from; i < records.size(); ++i) {
        if (isSame(records.at(i), record))
            return int(i);
    }
    return -1;
}

bool RecordListModel::mergeRecords(const QVariantList &records)
{
    bool changed = false;
    for (int row = 0; row < records.size(); ++row) {
        const QVariant &record = records.at(row);
        // Rows whose record is gone go first, so that the rest need no moving.
        while (row < m_records.size() && indexFrom(records, row, m_records.at(row)) < 0) {
            beginRemoveRows({}, row, row);
            m_records.removeAt(row);
            endRemoveRows();
            changed = true;
        }
        const int found = indexFrom(m_records, row, record);
        if (found < 0) {
            beginInsertRows({}, row, row);
            m_records.insert(row, record);
            endInsertRows();
            changed = true;
            continue;
        }
        // Further down already: move that row up here.
        if (found > row) {
            beginMoveRows({}, found, found, {}, row);
            m_records.move(found, row);
            endMoveRows();
            changed = true;
        }
        if (!isUnchanged(m_records.at(row), record)) {
            m_records[row] = record;
            Q_EMIT dataChanged(index(row), index(row), {recordRole});
            changed = true;
        }
    }
    if (m_records.size() > records.size()) {
        beginRemoveRows({}, int(records.size()), int(m_records.size()) - 1);
        m_records.resize(records.size());
        endRemoveRows();
        changed = true;
    }
    return changed;
}
