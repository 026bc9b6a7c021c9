#pragma once

#include <QObject>

class QDBusMessage;

// The desktop's light/dark preference from the settings portal
// (org.freedesktop.appearance color-scheme), read once without waiting and
// then followed as it changes. GNOME keeps it there; without a portal the
// preference stays "none" and the palette alone decides.
class ColorSchemeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ColorSchemeWatcher(QObject *parent = nullptr);

    // 0 none, 1 dark, 2 light.
    int scheme() const { return m_scheme; }

Q_SIGNALS:
    void schemeChanged();

private Q_SLOTS:
    void settingChanged(const QDBusMessage &message);

private:
    void setScheme(int scheme);

    int m_scheme = 0;
};
