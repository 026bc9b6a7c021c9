#include "app/focushistory.h"

#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "history/todaysummary.h"
#include "timer/defaultviewmodel.h"
#include "ui/focushistorylink.h"
#include "ui/focushistorymodel.h"
#include "common/outputline.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <memory>

FocusHistory::FocusHistory(DefaultViewModel *viewModel, QQmlEngine *engine, QWindow *firstFrame, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
    , m_clock(viewModel->dayClock())
    , m_store(new HistoryStore(HistoryStore::defaultPath(), this))
    , m_recorder(new PhaseRecorder(viewModel, m_store, viewModel->dayClock(), this))
    , m_summary(new TodaySummary(m_store, m_recorder, viewModel->dayClock(), this))
{
    connect(m_summary, &TodaySummary::textChanged, this, &FocusHistory::todayTextChanged);
    FocusHistoryLink *link = FocusHistoryLink::of(engine);
    link->setSummary(m_summary);
    connect(link, &FocusHistoryLink::openRequested, this, &FocusHistory::showWindow);

    // The file waits for the popover's first frame, or for the event loop
    // when the popover does not show at launch.
    auto *quickWindow = qobject_cast<QQuickWindow *>(firstFrame);
    if (!quickWindow) {
        openStore();
        return;
    }
    auto afterFirstFrame = std::make_shared<QMetaObject::Connection>();
    *afterFirstFrame = connect(quickWindow, &QQuickWindow::frameSwapped, this, [this, afterFirstFrame] {
        disconnect(*afterFirstFrame);
        openStore();
    });
    QTimer::singleShot(0, this, [this, quickWindow, afterFirstFrame] {
        if (quickWindow->isVisible())
            return;
        disconnect(*afterFirstFrame);
        openStore();
    });
}

FocusHistory::~FocusHistory()
{
    delete m_window;
}

QString FocusHistory::todayText() const
{
    return m_summary->text();
}

void FocusHistory::openStore()
{
    m_store->open();
    m_summary->update();
}

void FocusHistory::showWindow()
{
    if (!m_window) {
        m_model = new FocusHistoryModel(m_store, m_recorder, m_clock, this);
        m_window = new QQuickView(m_engine, nullptr);
        m_window->setTitle(tr("Focus History"));
        m_window->setResizeMode(QQuickView::SizeRootObjectToView);
        m_window->setMinimumSize(QSize(420, 480));
        m_window->setInitialProperties({{QStringLiteral("model"), QVariant::fromValue(m_model)}});
        m_window->setSource(QUrl(QStringLiteral("qrc:/Stint/FocusHistoryView.qml")));
        connect(m_window, &QWindow::visibleChanged, m_model, &FocusHistoryModel::setLive);
        if (m_window->status() == QQuickView::Error) {
            for (const QQmlError &error : m_window->errors())
                printLine(QStringLiteral("Focus history window: ") + error.toString());
        }
        if (QQuickItem *root = m_window->rootObject()) {
            m_window->resize(int(root->implicitWidth()), int(root->implicitHeight()));
            connect(root, SIGNAL(closeRequested()), m_window, SLOT(close()));
        }
    } else {
        m_model->showToday();
    }
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}
