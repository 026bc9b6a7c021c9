#include "ui/iconprovider.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QString hex(const QColor &color)
{
    return color.name(QColor::HexRgb).mid(1);
}

} // namespace

IconProvider::IconProvider() : QQuickImageProvider(QQuickImageProvider::Image) { }

QString IconProvider::prefix(const QColor &accent, const QColor &danger, const QColor &text)
{
    return QStringLiteral("image://%1/%2/%3/%4/").arg(name(), hex(accent), hex(danger), hex(text));
}

QImage IconProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QStringList parts = id.split(u'/');
    if (parts.size() != 4)
        return {};
    QFile file(QStringLiteral(":/Stint/icons/%1.svg").arg(parts[3]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    svg.replace("#0000ff", '#' + parts[0].toLatin1());
    svg.replace("#ff0000", '#' + parts[1].toLatin1());
    svg.replace("#3a3a3c", '#' + parts[2].toLatin1());

    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QSize pixels = renderer.defaultSize();
    if (requestedSize.width() > 0 && requestedSize.height() > 0)
        pixels = requestedSize;
    else if (requestedSize.width() > 0)
        pixels = QSize(requestedSize.width(), requestedSize.width() * pixels.height() / qMax(1, pixels.width()));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (size)
        *size = pixels;
    return image;
}
