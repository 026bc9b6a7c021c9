#include "ui/circularprogressmodifier.h"

#include <QtMath>

#include <algorithm>

void CircularProgressModifier::setWidth(qreal width)
{
    m_size.setWidth(width);
    Q_EMIT changed();
}

void CircularProgressModifier::setHeight(qreal height)
{
    m_size.setHeight(height);
    Q_EMIT changed();
}

void CircularProgressModifier::setProgress(qreal progress)
{
    m_progress = progress;
    Q_EMIT changed();
}

void CircularProgressModifier::setCircleProgress(qreal circleProgress)
{
    m_circleProgress = circleProgress;
    Q_EMIT changed();
}

QPointF CircularProgressModifier::center(QSizeF size)
{
    return {size.width() / 2, size.height() / 2};
}

qreal CircularProgressModifier::radius(QSizeF size)
{
    return std::min(size.width(), size.height()) / 2 - 10;
}

QPointF CircularProgressModifier::knobPosition(QSizeF size, qreal circleProgress)
{
    const qreal angle = qDegreesToRadians(-360 * circleProgress - 90);
    const qreal r = radius(size);
    return {size.width() / 2 + r * std::cos(angle), size.height() / 2 + r * std::sin(angle)};
}

qreal CircularProgressModifier::arcStartAngle(qreal progress)
{
    // The arc from (360 - 360p) to 360 degrees, turned a quarter back so that
    // 0 lies at 12 o'clock.
    return 360 - 360 * progress - 90;
}

qreal CircularProgressModifier::arcSweepAngle(qreal progress)
{
    return 360 * progress;
}
