#pragma once

#include <QObject>

class QDBusVariant;

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
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void setScheme(int scheme);

    int m_scheme = 0;
};
