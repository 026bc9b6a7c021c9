#include "ui/focushistorylink.h"

#include "history/todaysummary.h"

FocusHistoryLink *FocusHistoryLink::create(QQmlEngine *engine, QJSEngine *)
{
    FocusHistoryLink *link = of(engine);
    QJSEngine::setObjectOwnership(link, QJSEngine::CppOwnership);
    return link;
}

FocusHistoryLink *FocusHistoryLink::of(QQmlEngine *engine)
{
    auto *link = engine->findChild<FocusHistoryLink *>(QString(), Qt::FindDirectChildrenOnly);
    return link ? link : new FocusHistoryLink(engine);
}

void FocusHistoryLink::setSummary(TodaySummary *summary)
{
    if (m_summary)
        disconnect(m_summary, nullptr, this, nullptr);
    m_summary = summary;
    if (summary)
        connect(summary, &TodaySummary::textChanged, this, &FocusHistoryLink::todayTextChanged);
    Q_EMIT todayTextChanged();
}

QString FocusHistoryLink::todayText() const
{
    return m_summary ? m_summary->text() : QString();
}
