#include "ui/theme.h"

#include "ui/colorschemewatcher.h"
#include "ui/iconprovider.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>

namespace {

// What Qt itself uses when no desktop theme gives a highlight colour.
const QColor qtDefaultHighlight(48, 140, 198);

QColor mix(const QColor &a, const QColor &b, double amountOfA)
{
    const double t = amountOfA;
    return QColor::fromRgbF(float(a.redF() * t + b.redF() * (1 - t)), float(a.greenF() * t + b.greenF() * (1 - t)),
                            float(a.blueF() * t + b.blueF() * (1 - t)));
}

bool isDark(const QColor &color)
{
    return color.lightness() < 128;
}

// For a dark preference the platform theme did not follow (the plain Qt
// palette under GNOME): the neutral greys of GNOME's own dark scheme.
QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    palette.setColor(QPalette::WindowText, QColor(0xf6, 0xf6, 0xf6));
    palette.setColor(QPalette::Base, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::Text, QColor(0xf6, 0xf6, 0xf6));
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::ButtonText, QColor(0xf6, 0xf6, 0xf6));
    palette.setColor(QPalette::Highlight, qtDefaultHighlight);
    return palette;
}

// KDE names its colour for errors and destructive actions in kdeglobals.
std::optional<QColor> kdeNegativeColor()
{
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(u"KDE", Qt::CaseInsensitive))
        return std::nullopt;
    const QString path = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (path.isEmpty())
        return std::nullopt;
    const QSettings kdeglobals(path, QSettings::IniFormat);
    const QStringList rgb = kdeglobals.value(QStringLiteral("Colors:Window/ForegroundNegative")).toStringList();
    if (rgb.size() != 3)
        return std::nullopt;
    const QColor color(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
    return color.isValid() ? std::optional(color) : std::nullopt;
}

} // namespace

ThemeColors ThemeColors::from(const QPalette &system, int scheme, std::optional<QColor> negative)
{
    const bool paletteIsDark = isDark(system.color(QPalette::Window));
    ThemeColors colors;
    // A dark palette is the desktop's own (KDE); a light one may just be Qt's.
    colors.dark = paletteIsDark || scheme == preferDark;
    // A palette of the other scheme is Qt's plain one, not the desktop's.
    const bool paletteIsTheDesktops = colors.dark == paletteIsDark;
    const QPalette palette = paletteIsTheDesktops ? system : darkPalette();

    const QColor highlight = palette.color(QPalette::Highlight);
    if (paletteIsTheDesktops && highlight != qtDefaultHighlight)
        colors.accent = highlight;
    else // a calm system blue, as GNOME's
        colors.accent = colors.dark ? QColor(0x62, 0xa0, 0xea) : QColor(0x1c, 0x71, 0xd8);
    colors.danger = negative ? *negative : colors.dark ? QColor(0xff, 0x7b, 0x63) : QColor(0xc0, 0x1c, 0x28);

    colors.background = palette.color(QPalette::Window);
    colors.rowBackground = palette.color(QPalette::Base);
    colors.button = palette.color(QPalette::Button);
    colors.text = palette.color(QPalette::WindowText);
    colors.track = mix(colors.text, colors.rowBackground, 0.5);
    colors.secondaryText = mix(colors.text, colors.rowBackground, 0.62);
    colors.separator = mix(colors.text, colors.rowBackground, 0.14);
    return colors;
}

Theme *Theme::create(QQmlEngine *engine, QJSEngine *)
{
    // The icons are drawn in the theme's colours.
    if (engine && !engine->imageProvider(IconProvider::name()))
        engine->addImageProvider(IconProvider::name(), new IconProvider);
    return new Theme;
}

Theme::Theme()
{
    // One watch on the desktop's settings for the whole app.
    static QPointer<ColorSchemeWatcher> watcher;
    if (!watcher)
        watcher = new ColorSchemeWatcher(QCoreApplication::instance());
    m_watcher = watcher;
    connect(m_watcher, &ColorSchemeWatcher::schemeChanged, this, &Theme::update);
    QCoreApplication::instance()->installEventFilter(this);
    update();
}

bool Theme::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}

void Theme::update()
{
    const ThemeColors colors =
            ThemeColors::from(QGuiApplication::palette(), m_watcher ? m_watcher->scheme() : 0, kdeNegativeColor());
    m_colors = colors;
    Q_EMIT colorsChanged();
}

QString Theme::iconPrefix() const
{
    return IconProvider::prefix(m_colors.accent, m_colors.danger, m_colors.text);
}
