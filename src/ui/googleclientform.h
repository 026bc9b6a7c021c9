#pragma once

#include "accounts/googleclient.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

// What the "Connect Google" form decides: when it shows, whether what was
// entered is kept, and why not. It shows where the sign-in button would be
// while the client lacks its id or secret, and wherever "Google Client…" in
// the settings menu opens it.
class GoogleClientForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    /// The client the form sets up; none hides the form.
    Q_PROPERTY(GoogleClient *client READ client WRITE setClient NOTIFY clientChanged)
    /// The form shows.
    Q_PROPERTY(bool isShown READ isShown NOTIFY isShownChanged)
    /// Opened from the menu: the current client can stay (Cancel) or go (Remove).
    Q_PROPERTY(bool isEditing READ isEditing NOTIFY isShownChanged)
    /// Why the last "Save" was refused, in one line; empty when it was not.
    Q_PROPERTY(QString reason READ reason NOTIFY reasonChanged)

public:
    using QObject::QObject;

    GoogleClient *client() const { return m_client; }
    void setClient(GoogleClient *client);
    bool isShown() const;
    bool isEditing() const { return m_editing; }
    QString reason() const { return m_reason; }

    // "Google Client…": opens the form on the current client.
    Q_INVOKABLE void edit();
    Q_INVOKABLE void cancel();
    // Keeps the client when the id has a client id's shape and a secret is
    // given; otherwise says why. Blanks around either (from pasting) go.
    Q_INVOKABLE bool save(const QString &clientId, const QString &clientSecret);
    // Forgets the client entered here (the app signs out).
    Q_INVOKABLE void remove();
    // Opens the guide to making a client, a file installed with Stint, in
    // the desktop's viewer for it.
    Q_INVOKABLE void openGuide();

    // Where the guide is: share/stint/google-client.md beside the program's
    // folder (/usr/share/stint when installed, the build tree's share/stint).
    static QString guidePath();

Q_SIGNALS:
    void clientChanged();
    void isShownChanged();
    void reasonChanged();

private:
    void setEditing(bool editing);
    void setReason(const QString &reason);

    QPointer<GoogleClient> m_client;
    bool m_editing = false;
    QString m_reason;
};
