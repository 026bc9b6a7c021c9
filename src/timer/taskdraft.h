#pragma once

#include <QObject>
#include <QString>

struct Error;

// The title typed into the new-task entry, kept until the task has been
// created: a create that fails leaves it in the entry with a one-line reason
// under it, and Return tries again; closing the popover or switching tabs
// keeps it too. Nothing is tried again by itself: a create whose answer was
// lost may have made the task, and another would make it twice.
class TaskDraft : public QObject
{
    Q_OBJECT

    /// The title in the entry.
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    /// Why the last try to add it failed, for the user; empty when it did not.
    Q_PROPERTY(QString failure READ failure NOTIFY failureChanged)

public:
    using QObject::QObject;

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString failure() const { return m_failure; }

    // The reason shown for a create that failed with `error`.
    static QString reasonFor(const Error &error);

    void tryingAgain() { setFailure({}); }
    void failed(const Error &error) { setFailure(reasonFor(error)); }
    // The task was made, or the entry closed: nothing left to keep.
    void clear();

Q_SIGNALS:
    void titleChanged();
    void failureChanged();

private:
    void setFailure(const QString &failure);

    QString m_title;
    QString m_failure;
};
