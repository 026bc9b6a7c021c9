#pragma once

#include <QColor>
#include <QQuickImageProvider>

// The views' icons in the theme's colours. The SVGs are drawn in pure blue,
// red and dark gray; those stand for the accent, the negative and the text
// colour and are replaced before the icon is drawn at the size asked for,
// which already includes the screen's scale factor, so icons stay crisp.
//
// image://stinticon/<accent>/<danger>/<text>/<name>, colours as hex RGB.
class IconProvider : public QQuickImageProvider
{
public:
    IconProvider();

    static QString name() { return QStringLiteral("stinticon"); }
    static QString prefix(const QColor &accent, const QColor &danger, const QColor &text);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};
