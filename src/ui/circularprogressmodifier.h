#pragma once

#include <QObject>
#include <QPointF>
#include <QQmlEngine>
#include <QSizeF>

// The geometry of the progress ring, for a ring of the given size showing the
// fraction `progress` of the phase still left. Angles are in degrees on
// screen: 0 at 3 o'clock, growing clockwise, so -90 is 12 o'clock.
//
// The arc starts where the knob is and runs clockwise back to 12 o'clock, so
// as the fraction falls its start moves round like a clock hand. The knob's
// angle follows `circleProgress`, kept apart from `progress` so an animation
// of it moves the knob along the circle instead of across it.
class CircularProgressModifier : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(qreal width READ width WRITE setWidth NOTIFY changed)
    Q_PROPERTY(qreal height READ height WRITE setHeight NOTIFY changed)
    Q_PROPERTY(qreal progress READ progress WRITE setProgress NOTIFY changed)
    Q_PROPERTY(qreal circleProgress READ circleProgress WRITE setCircleProgress NOTIFY changed)

    Q_PROPERTY(QPointF center READ center NOTIFY changed)
    /// Radius of the ring's centre line: 10 inside the smaller side, so a
    /// 10-wide stroke stays within the frame.
    Q_PROPERTY(qreal radius READ radius NOTIFY changed)
    /// Where the knob's centre goes.
    Q_PROPERTY(QPointF knobPosition READ knobPosition NOTIFY changed)
    Q_PROPERTY(qreal arcStartAngle READ arcStartAngle NOTIFY changed)
    Q_PROPERTY(qreal arcSweepAngle READ arcSweepAngle NOTIFY changed)

public:
    using QObject::QObject;

    qreal width() const { return m_size.width(); }
    void setWidth(qreal width);
    qreal height() const { return m_size.height(); }
    void setHeight(qreal height);
    qreal progress() const { return m_progress; }
    void setProgress(qreal progress);
    qreal circleProgress() const { return m_circleProgress; }
    void setCircleProgress(qreal circleProgress);

    QPointF center() const { return center(m_size); }
    qreal radius() const { return radius(m_size); }
    QPointF knobPosition() const { return knobPosition(m_size, m_circleProgress); }
    qreal arcStartAngle() const { return arcStartAngle(m_progress); }
    qreal arcSweepAngle() const { return arcSweepAngle(m_progress); }

    static QPointF center(QSizeF size);
    static qreal radius(QSizeF size);
    static QPointF knobPosition(QSizeF size, qreal circleProgress);
    static qreal arcStartAngle(qreal progress);
    static qreal arcSweepAngle(qreal progress);

Q_SIGNALS:
    void changed();

private:
    QSizeF m_size;
    qreal m_progress = 1.0;
    qreal m_circleProgress = 1.0;
};
