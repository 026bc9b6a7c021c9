#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QQmlEngine>

#include <optional>

class ColorSchemeWatcher;

// The colours the popover is drawn with, taken from the desktop: its accent
// (highlight) colour for the blue parts, its negative colour for the red
// ones and its mid tones for the gray ones, in its light or dark scheme.
struct ThemeColors
{
    bool dark = false;
    QColor accent;
    QColor danger;
    QColor track; // the ring's track and other quiet gray shapes
    QColor background; // the popover itself
    QColor rowBackground; // list rows
    QColor button;
    QColor text;
    QColor secondaryText;
    QColor separator;

    // The desktop's light/dark preference as the settings portal reports it:
    // 0 none, 1 dark, 2 light.
    enum Scheme { noPreference = 0, preferDark = 1, preferLight = 2 };

    // `system` is the application palette the platform theme gave Qt (KDE's
    // own on Plasma, Qt's plain light one elsewhere); `negative` is the
    // desktop's colour for errors when it names one.
    static ThemeColors from(const QPalette &system, int scheme, std::optional<QColor> negative);
};

// Sizes and colours shared by the popover's views, in device-independent
// pixels. The colours follow the desktop while the app runs.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// Space between neighbouring parts.
    Q_PROPERTY(int spacing MEMBER m_spacing CONSTANT)
    /// Space around a part.
    Q_PROPERTY(int padding MEMBER m_padding CONSTANT)

    /// The desktop uses its dark scheme.
    Q_PROPERTY(bool dark READ dark NOTIFY colorsChanged)
    Q_PROPERTY(QColor accent READ accent NOTIFY colorsChanged)
    Q_PROPERTY(QColor danger READ danger NOTIFY colorsChanged)
    Q_PROPERTY(QColor track READ track NOTIFY colorsChanged)
    Q_PROPERTY(QColor background READ background NOTIFY colorsChanged)
    Q_PROPERTY(QColor rowBackground READ rowBackground NOTIFY colorsChanged)
    Q_PROPERTY(QColor button READ button NOTIFY colorsChanged)
    Q_PROPERTY(QColor text READ text NOTIFY colorsChanged)
    Q_PROPERTY(QColor separator READ separator NOTIFY colorsChanged)
    Q_PROPERTY(QColor secondaryText READ secondaryText NOTIFY colorsChanged)
    /// Prepended to an icon's name, gives the icon in the current colours.
    Q_PROPERTY(QString iconPrefix READ iconPrefix NOTIFY colorsChanged)

    Q_PROPERTY(int largeTitleSize MEMBER m_largeTitleSize CONSTANT)
    Q_PROPERTY(int titleSize MEMBER m_titleSize CONSTANT)
    Q_PROPERTY(int headlineSize MEMBER m_headlineSize CONSTANT)
    Q_PROPERTY(int subheadlineSize MEMBER m_subheadlineSize CONSTANT)
    Q_PROPERTY(int bodySize MEMBER m_bodySize CONSTANT)

public:
    static Theme *create(QQmlEngine *engine, QJSEngine *);

    bool dark() const { return m_colors.dark; }
    QColor accent() const { return m_colors.accent; }
    QColor danger() const { return m_colors.danger; }
    QColor track() const { return m_colors.track; }
    QColor background() const { return m_colors.background; }
    QColor rowBackground() const { return m_colors.rowBackground; }
    QColor button() const { return m_colors.button; }
    QColor text() const { return m_colors.text; }
    QColor separator() const { return m_colors.separator; }
    QColor secondaryText() const { return m_colors.secondaryText; }
    QString iconPrefix() const;

Q_SIGNALS:
    void colorsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Theme();
    void update();

    ColorSchemeWatcher *m_watcher = nullptr;
    ThemeColors m_colors;

    int m_spacing = 8;
    int m_padding = 8;
    int m_largeTitleSize = 26;
    int m_titleSize = 22;
    int m_headlineSize = 13;
    int m_subheadlineSize = 11;
    int m_bodySize = 13;
};
