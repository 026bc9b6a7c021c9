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
        popover,    // frameless, next to the tray icon, hides when it loses focus
        standalone, // an ordinary window, for desktops without a tray
    };

    static constexpr int popoverWidth = 330;

    explicit PopoverWindow(Mode mode, QWindow *parent = nullptr);

    Mode mode() const { return m_mode; }

    bool isShown() const { return isVisible(); }

    // The size the content asks for at the popover's width, after a layout pass.
    QSize fittingSize();
    void setContentSize(const QSize &size);
    // Keeps the window as tall as its content: for the standalone window,
    // which, unlike the popover, may change size while shown.
    void followContentHeight();

    // Shows the popover beside `anchor` (the tray icon's area, in screen
    // coordinates), inside the available area of the screen holding it.
    void showRelativeTo(const QRect &anchor);
    void performClose();

    // True just after the popover closed itself because it lost focus: a
    // click on the tray icon that took the focus away must not reopen it.
    bool closedByFocusLossJustNow() const;

    // Where a popover of `size` goes for `anchor`: centred under the anchor
    // when it sits in the upper half of the screen, above it otherwise, and
    // always fully inside `available`.
    static QPoint placement(const QRect &anchor, const QSize &size, const QRect &available);

protected:
    bool event(QEvent *event) override;

private:
    Mode m_mode;
    QElapsedTimer m_sinceFocusLoss;
};
