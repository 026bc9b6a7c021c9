#include "app/popoverwindow.h"

#include "ui/viewgate.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickItem>
#include <QScreen>

namespace {
constexpr int gap = 4;            // between the tray icon and the popover
constexpr int reopenGuardMs = 400; // a tray click right after a focus loss
}

PopoverWindow::PopoverWindow(Mode mode, QWindow *parent)
    : QQuickView(parent)
    , m_mode(mode)
{
    setResizeMode(QQuickView::SizeRootObjectToView);
    // The views follow the countdown only while they can be seen.
    ViewGate *gate = ViewGate::of(engine());
    gate->setOpen(false);
    connect(this, &QWindow::visibleChanged, gate, [gate](bool visible) { gate->setOpen(visible); });
    setColor(Qt::white);
    if (m_mode == Mode::popover) {
        setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        connect(this, &QWindow::activeChanged, this, [this] {
            if (!isActive() && isVisible()) {
                m_sinceFocusLoss.start();
                hide();
            }
        });
    } else {
        setTitle(QStringLiteral("Stint"));
        setFlags(Qt::Window);
    }
}

namespace {

// Runs the pending layout passes, children first, the way the window does
// before it draws: implicit sizes are only settled after them.
void polishTree(QQuickItem *item)
{
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        polishTree(child);
    item->ensurePolished();
}

} // namespace

QSize PopoverWindow::fittingSize()
{
    QQuickItem *root = rootObject();
    if (!root)
        return {popoverWidth, 1};
    // Text wraps at the popover's width, so the height is asked at that width.
    if (width() != popoverWidth)
        resize(popoverWidth, qMax(height(), 1));
    // Measured as it will be shown: with the views up to date.
    ViewGate::of(engine())->setOpen(true);
    for (int pass = 0; pass < 3; ++pass)
        polishTree(root);
    ViewGate::of(engine())->setOpen(isVisible());
    return {popoverWidth, qMax(qCeil(root->implicitHeight()), 1)};
}

void PopoverWindow::setContentSize(const QSize &size)
{
    resize(size);
    if (m_mode == Mode::standalone) {
        // The panel is laid out for its width only.
        setMinimumWidth(size.width());
        setMaximumWidth(size.width());
    }
}

void PopoverWindow::followContentHeight()
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    connect(root, &QQuickItem::implicitHeightChanged, this, [this, root] {
        resize(popoverWidth, qMax(qCeil(root->implicitHeight()), 1));
    });
}

void PopoverWindow::showRelativeTo(const QRect &anchor)
{
    if (m_mode == Mode::popover) {
        QScreen *screen = QGuiApplication::screenAt(anchor.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            setPosition(placement(anchor, size(), screen->availableGeometry()));
    }
    show();
    raise();
    requestActivate();
}

void PopoverWindow::performClose()
{
    hide();
}

bool PopoverWindow::closedByFocusLossJustNow() const
{
    return m_sinceFocusLoss.isValid() && m_sinceFocusLoss.elapsed() < reopenGuardMs;
}

QPoint PopoverWindow::placement(const QRect &anchor, const QSize &size, const QRect &available)
{
    int x = anchor.center().x() - size.width() / 2;
    const bool anchorInUpperHalf = anchor.center().y() < available.center().y();
    int y = anchorInUpperHalf ? anchor.bottom() + 1 + gap : anchor.top() - gap - size.height();

    x = qBound(available.left(), x, qMax(available.left(), available.right() + 1 - size.width()));
    y = qBound(available.top(), y, qMax(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

bool PopoverWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Close && m_mode == Mode::standalone) {
        // The window is the whole app on a desktop without a tray.
        QCoreApplication::quit();
    }
    return QQuickView::event(event);
}
