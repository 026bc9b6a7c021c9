#include "ui/viewgate.h"

ViewGate *ViewGate::create(QQmlEngine *engine, QJSEngine *)
{
    ViewGate *gate = of(engine);
    QJSEngine::setObjectOwnership(gate, QJSEngine::CppOwnership);
    return gate;
}

ViewGate *ViewGate::of(QQmlEngine *engine)
{
    auto *gate = engine->findChild<ViewGate *>(QString(), Qt::FindDirectChildrenOnly);
    return gate ? gate : new ViewGate(engine);
}

void ViewGate::setOpen(bool open)
{
    if (m_open == open)
        return;
    if (open)
        Q_EMIT aboutToOpen();
    m_open = open;
    Q_EMIT openChanged();
}
