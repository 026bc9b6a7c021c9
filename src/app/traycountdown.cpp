#include "app/traycountdown.h"

#include "timer/defaultviewmodel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSystemTrayIcon>

#include <cmath>

namespace {

const QColor focusColor(0x25, 0x63, 0xeb); // the app icon's blue
const QColor restColor(0x16, 0xa3, 0x4a);
const QColor pausedColor(0x6b, 0x72, 0x80);

} // namespace

TrayCountdown::TrayCountdown(DefaultViewModel *viewModel, QSystemTrayIcon *tray, const QIcon &idleIcon)
    : QObject(viewModel), m_viewModel(viewModel), m_tray(tray), m_idleIcon(idleIcon)
{
    for (auto signal : {&DefaultViewModel::timeChanged, &DefaultViewModel::isTimerRunningChanged,
                        &DefaultViewModel::currentStateChanged})
        connect(viewModel, signal, this, &TrayCountdown::update);
    connect(viewModel->nextMeeting(), &NextMeeting::changed, this, &TrayCountdown::showToolTip);
    m_face = faceOf(*viewModel);
    show();
}

TrayCountdown::Face TrayCountdown::faceOf(const DefaultViewModel &viewModel)
{
    const double length = viewModel.duration(viewModel.currentState());
    const double left = viewModel.time();
    Face face;
    if (viewModel.isTimerRunning())
        face.kind = viewModel.currentState() == PomodoroState::focus ? Face::focus : Face::rest;
    else if (left < length)
        face.kind = Face::paused;
    else
        return face; // ready at full length: nothing under way
    face.minutesLeft = int(std::ceil(left / 60.0));
    face.fractionLeft = qBound(0.0, face.minutesLeft * 60.0 / length, 1.0);
    return face;
}

QImage TrayCountdown::render(const Face &face)
{
    QImage image(iconSize, iconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor color = face.kind == Face::rest ? restColor : face.kind == Face::paused ? pausedColor : focusColor;
    const qreal stroke = iconSize / 6.0;
    const QRectF ring = QRectF(0, 0, iconSize, iconSize).adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2);

    QColor track = color;
    track.setAlphaF(0.25);
    painter.setPen(QPen(track, stroke, Qt::SolidLine, Qt::FlatCap));
    painter.drawEllipse(ring);
    // The part still left, from 12 o'clock counter-clockwise, as in the popover.
    painter.setPen(QPen(color, stroke, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(ring, 90 * 16, qRound(face.fractionLeft * 360 * 16));

    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QPointF centre(iconSize / 2.0, iconSize / 2.0);
    if (face.kind == Face::paused) {
        const qreal barWidth = iconSize / 9.0, barHeight = iconSize / 3.0;
        painter.drawRect(QRectF(centre.x() - 1.5 * barWidth, centre.y() - barHeight / 2, barWidth, barHeight));
        painter.drawRect(QRectF(centre.x() + 0.5 * barWidth, centre.y() - barHeight / 2, barWidth, barHeight));
    } else if (face.kind == Face::focus) {
        painter.drawEllipse(centre, iconSize / 7.0, iconSize / 7.0);
    }
    return image;
}

QString TrayCountdown::toolTip(const Face &face)
{
    switch (face.kind) {
    case Face::idle:
        return QGuiApplication::applicationDisplayName();
    case Face::focus:
        return tr("Focus · %n min left", nullptr, face.minutesLeft);
    case Face::rest:
        return tr("Rest · %n min left", nullptr, face.minutesLeft);
    case Face::paused:
        return tr("Paused · %n min left", nullptr, face.minutesLeft);
    }
    return {};
}

void TrayCountdown::update()
{
    if (!m_viewModel)
        return;
    const Face face = faceOf(*m_viewModel);
    if (face == m_face)
        return;
    m_face = face;
    show();
}

void TrayCountdown::show()
{
    ++m_redraws;
    if (!m_tray)
        return;
    m_tray->setIcon(m_face.kind == Face::idle ? m_idleIcon : QIcon(QPixmap::fromImage(render(m_face))));
    showToolTip();
}

void TrayCountdown::showToolTip()
{
    if (!m_tray || !m_viewModel)
        return;
    QStringList lines{toolTip(m_face), m_viewModel->nextMeeting()->text(), m_dayLine};
    lines.removeAll(QString());
    m_tray->setToolTip(lines.join(u'\n'));
}

void TrayCountdown::setDayLine(const QString &line)
{
    m_dayLine = line;
    showToolTip();
}
