#pragma once

#include <QElapsedTimer>
#include <QQuickView>

// The popover: the frameless panel that opens next to the tray icon and
// closes when it loses focus. Where the desktop has no tray, the same view is
// an ordinary small window titled "Stint", and closing it quits.
class PopoverWindow : public QQuickView
{
    Q_OBJECT

public:
    enum class Mode {
        popover, // frameless, next to the tray icon, hides when it loses focus
        standalone, // an ordinary window, for desktops without a tray
    };

    static constexpr int popoverWidth = 330;

    explicit PopoverWindow(Mode mode, QWindow *parent = nullptr);

    Mode mode() const { return m_mode; }

    bool isShown() const { return isVisible(); }

    // The size the content asks for at the popover's width, after a layout pass.
    QSize fittingSize();
    void setContentSize(const QSize &size);

    // Shows the popover beside `anchor` (the tray icon's area, in screen
    // coordinates), inside the available area of the screen holding it.
    // While it is shown it follows its content's height, keeping the edge
    // that faces the icon where it is.
    void showRelativeTo(const QRect &anchor);
    void performClose();

    // True just after the popover closed itself because it lost focus: a
    // click on the tray icon that took the focus away must not reopen it.
    bool closedByFocusLossJustNow() const;

protected:
    bool event(QEvent *event) override;

private:
    void watchContent();
    void fitToContent();
    QRect availableGeometryAt(const QRect &anchor) const;

    Mode m_mode;
    QElapsedTimer m_sinceFocusLoss;
    QRect m_anchor;
    bool m_fitPending = false;
};
