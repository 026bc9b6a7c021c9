#pragma once

#include <QObject>
#include <QQmlEngine>

// Whether the popover's views follow the view-model second by second. While
// the popover is hidden nobody sees them, so the bindings that change with
// every tick read `ViewGate.open` first and, while it is false, keep their
// value without reading the view-model: they hold no dependency on it then
// and are not evaluated at all. Opening the gate brings them up to date at
// once. The view-model itself still announces every assignment.
//
// One gate per QML engine; open unless its window says otherwise, so views
// made outside the popover (tests, previews) always follow.
class ViewGate : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(bool open READ isOpen NOTIFY openChanged)

public:
    static ViewGate *create(QQmlEngine *engine, QJSEngine *);
    // The gate of `engine`'s views, made on first use.
    static ViewGate *of(QQmlEngine *engine);

    bool isOpen() const { return m_open; }
    void setOpen(bool open);

Q_SIGNALS:
    // Before the gate opens: the last chance to bring the view-model up to
    // date, so the views are evaluated once, with current values.
    void aboutToOpen();
    void openChanged();

private:
    explicit ViewGate(QObject *parent) : QObject(parent) { }

    bool m_open = true;
};
