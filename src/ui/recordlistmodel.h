#pragma once

#include <QAbstractListModel>
#include <QVariantList>

// The rows of a list of records (tasks, events) that the backend sends whole
// at every fetch. A new list is merged into the rows instead of replacing
// them, so a fetch that brings back the same records keeps every row (and
// with it the scroll position and the hovered row); only rows that really
// came, went, moved or changed are announced.
//
// Subclasses say which records are the same row and which have changed; the
// records are held as the values QML hands over.
class RecordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { recordRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const QVariantList &records() const { return m_records; }

protected:
    // Returns whether any row changed.
    bool mergeRecords(const QVariantList &records);

    // Whether `a` and `b` stand for the same row.
    virtual bool isSame(const QVariant &a, const QVariant &b) const = 0;
    // Whether the row of `a` shows the same as one of `b` would.
    virtual bool isUnchanged(const QVariant &a, const QVariant &b) const = 0;

    // `values` with each one held as a T, as `record` reads them.
    template<typename T>
    static QVariantList asRecords(QVariantList values)
    {
        for (QVariant &value : values) {
            if (value.metaType() != QMetaType::fromType<T>())
                value = QVariant::fromValue(value.value<T>());
        }
        return values;
    }
    template<typename T>
    static const T &record(const QVariant &value)
    {
        return *static_cast<const T *>(value.constData());
    }

private:
    // Where the row of `record` is among `records` from index `from` on, or -1.
    int indexFrom(const QVariantList &records, qsizetype from, const QVariant &record) const;

    QVariantList m_records;
};
