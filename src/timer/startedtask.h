#pragma once

#include <QObject>
#include <QString>

class DefaultViewModel;

// The task last started from the list, for as long as the ring is about it:
// Google's id of it is forgotten when other text takes the ring (dropped on
// it, or a title that is not the task's).
class StartedTask : public QObject
{
    Q_OBJECT

public:
    // Follows `viewModel`, which must outlive it.
    explicit StartedTask(DefaultViewModel *viewModel, QObject *parent = nullptr);

    QString title() const { return m_title; }
    // Empty when the ring's task did not come from the list.
    QString googleId() const { return m_googleId; }

private:
    QString m_title;
    QString m_googleId;
};
