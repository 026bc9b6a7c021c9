#pragma once

#include <QObject>
#include <QQmlEngine>

// "Start at Login": an XDG autostart entry for the app in the user's
// autostart folder ($XDG_CONFIG_HOME/autostart, ~/.config/autostart by
// default). The file is the state: removing it by hand turns the choice off.
class StartAtLogin : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static StartAtLogin *create(QQmlEngine *, QJSEngine *) { return new StartAtLogin; }

    // Where the entry goes.
    static QString entryPath();

    // Whether the desktop will start the app at login: the entry exists and
    // is not switched off.
    Q_INVOKABLE static bool isEnabled();
    // Writes the entry, starting this executable, or removes it. Returns
    // whether that worked; a failure prints one line.
    Q_INVOKABLE static bool setEnabled(bool enabled);

private:
    StartAtLogin() = default;
};
