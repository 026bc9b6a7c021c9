#include "app/popoverwindow.h"

#include "ui/viewgate.h"
#include "app/popoverplacement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <qguiapplication_platform.h>
#include <QQuickItem>
#include <QScreen>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int reopenGuardMs = 400; // a tray click right after a focus loss

// A popover belongs to its icon, not to the taskbar or the window switcher,
// where some panels list a Qt::Tool window. Set while the window is
// unmapped: Qt merges its own states into these when it maps the window.
void keepOutOfTaskbar(QWindow *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    // Asked of the X server once, all three in one round trip.
    static const std::array<xcb_atom_t, 3> atoms = [connection] {
        const std::array<const char *, 3> names = {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR",
                                                   "_NET_WM_STATE_SKIP_PAGER"};
        std::array<xcb_intern_atom_cookie_t, 3> cookies{};
        for (size_t i = 0; i < names.size(); ++i)
            cookies[i] = xcb_intern_atom(connection, 0, uint16_t(std::strlen(names[i])), names[i]);
        std::array<xcb_atom_t, 3> interned{};
        for (size_t i = 0; i < cookies.size(); ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
            interned[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return interned;
    }();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atoms[0], XCB_ATOM_ATOM, 32,
                        2, &atoms[1]);
}
} // namespace

PopoverWindow::PopoverWindow(Mode mode, QWindow *parent) : QQuickView(parent), m_mode(mode)
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
    connect(this, &QQuickView::statusChanged, this, [this](QQuickView::Status status) {
        if (status == QQuickView::Ready)
            watchContent();
    });
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

void PopoverWindow::watchContent()
{
    QQuickItem *root = rootObject();
    // Escape in the popover closes it; the standalone window stays, as
    // windows do.
    const int closeRequested = root->metaObject()->indexOfSignal("closeRequested()");
    if (m_mode == Mode::popover && closeRequested >= 0)
        connect(root, root->metaObject()->method(closeRequested), this,
                metaObject()->method(metaObject()->indexOfSlot("hide()")));

    // Content grows and shrinks while shown (the stop button appears, the
    // question is asked, another tab is picked): the window follows, once
    // per batch of changes.
    connect(root, &QQuickItem::implicitHeightChanged, this, [this] {
        if (m_fitPending || !isVisible())
            return;
        m_fitPending = true;
        QMetaObject::invokeMethod(this, &PopoverWindow::fitToContent, Qt::QueuedConnection);
    });
}

void PopoverWindow::fitToContent()
{
    m_fitPending = false;
    QQuickItem *root = rootObject();
    if (!root || !isVisible())
        return;
    const QSize wanted(popoverWidth, qMax(qCeil(root->implicitHeight()), 1));
    if (m_mode == Mode::popover)
        setGeometry(PopoverPlacement::placement(m_anchor, wanted, availableGeometryAt(m_anchor)));
    else if (wanted.height() != height())
        resize(wanted);
}

QRect PopoverWindow::availableGeometryAt(const QRect &anchor) const
{
    QScreen *screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(), size());
}

void PopoverWindow::showRelativeTo(const QRect &anchor)
{
    if (m_mode == Mode::popover) {
        m_anchor = anchor;
        setGeometry(PopoverPlacement::placement(anchor, size(), availableGeometryAt(anchor)));
        if (!isVisible())
            keepOutOfTaskbar(this);
    }
    show();
    raise();
    requestActivate();
    // Shown without measuring (after a sign-in): the content may have
    // changed while hidden.
    if (!m_fitPending) {
        m_fitPending = true;
        QMetaObject::invokeMethod(this, &PopoverWindow::fitToContent, Qt::QueuedConnection);
    }
}

void PopoverWindow::performClose()
{
    hide();
}

bool PopoverWindow::closedByFocusLossJustNow() const
{
    return m_sinceFocusLoss.isValid() && m_sinceFocusLoss.elapsed() < reopenGuardMs;
}

bool PopoverWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Close && m_mode == Mode::standalone) {
        // The window is the whole app on a desktop without a tray.
        QCoreApplication::quit();
    }
    return QQuickView::event(event);
}
