#include "accounts/usermanager.h"
#include "backend/event.h"
#include "backend/task.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPalette>
#include <QQmlEngine>
#include <QQmlEngineExtensionPlugin>
#include <QTemporaryFile>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(StintPlugin)

// What the QML tests build their state from (view-models, and the records QML
// cannot make), and what the views did outside themselves: lines printed,
// URLs handed to the desktop.
class Fixtures : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int signInPresses MEMBER m_signInPresses NOTIFY signInPressesChanged)
    Q_PROPERTY(QStringList openedUrls MEMBER m_openedUrls NOTIFY openedUrlsChanged)

public:
    Fixtures()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    }
    ~Fixtures() override
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    // Collects what the process prints from now on, until endCapture().
    Q_INVOKABLE void captureOutput()
    {
        m_capture.reset(); // captures do not nest
        m_capture = std::make_unique<StdoutCapture>();
    }
    Q_INVOKABLE void endCapture() { m_capture.reset(); }
    Q_INVOKABLE QStringList outputLines() { return m_capture ? m_capture->lines() : QStringList(); }

    // As Plasma does when its colour scheme changes: a dark palette, or back to Qt's own.
    Q_INVOKABLE void setDarkPalette(bool dark)
    {
        QGuiApplication::setPalette(dark ? QPalette(QColor(0x2a, 0x2e, 0x32)) : QPalette());
    }

    Q_INVOKABLE DefaultViewModel *makeViewModel()
    {
        const auto signIn = [this](DefaultViewModel &) {
            ++m_signInPresses;
            Q_EMIT signInPressesChanged();
        };
        return new DefaultViewModel(Alarm::makeDefault(), signIn, &m_users, this);
    }

    // Each row: {title, status?, due? (the backend's text), link?}.
    Q_INVOKABLE void setTasks(DefaultViewModel *viewModel, const QVariantList &rows)
    {
        QList<Task2> tasks;
        for (const QVariant &value : rows) {
            const QVariantMap row = value.toMap();
            Task2 &task = tasks.emplace_back();
            task.id = QUuid::createUuid();
            task.title = row.value("title").toString();
            task.status = row.value("status", QStringLiteral("needsAction")).toString();
            if (row.contains("due"))
                task.due = row.value("due").toString();
            task.webViewLink = QUrl(row.value("link", QStringLiteral("https://tasks.google.com/")).toString());
        }
        viewModel->setTasks(tasks);
    }

    // Each row: {summary, start? (a date), minutes? (how long), meeting? (uri)}.
    Q_INVOKABLE void setEvents(DefaultViewModel *viewModel, const QVariantList &rows)
    {
        QList<Event> events;
        for (const QVariant &value : rows) {
            const QVariantMap row = value.toMap();
            Event &event = events.emplace_back();
            event.id = event.summary = row.value("summary").toString();
            if (row.contains("start")) {
                event.start.dateTime = row.value("start").toDateTime();
                event.end.dateTime = event.start.dateTime->addSecs(60 * row.value("minutes", 30).toInt());
            }
            if (row.contains("meeting")) {
                event.conferenceData.emplace();
                event.conferenceData->conferenceId = QStringLiteral("123");
                event.conferenceData->entryPoints = {
                        {QStringLiteral("video"), row.value("meeting").toString(), std::nullopt, std::nullopt}};
            }
        }
        viewModel->setEvents(events);
    }

public Q_SLOTS:
    void openUrl(const QUrl &url)
    {
        m_openedUrls.append(url.toString());
        Q_EMIT openedUrlsChanged();
    }

Q_SIGNALS:
    void signInPressesChanged();
    void openedUrlsChanged();

private:
    UserManager m_users{nullptr};
    int m_signInPresses = 0;
    QStringList m_openedUrls;
    std::unique_ptr<StdoutCapture> m_capture;
};

class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        // Requests the views send go to a closed local port and fail at once.
        if (!m_info.open() || m_info.write("{\"BACKEND_URL\": \"http://127.0.0.1:9\"}") < 0)
            qFatal("cannot write the test settings");
        m_info.close();
        qputenv("STINT_INFO_FILE", QFile::encodeName(m_info.fileName()));
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/")); // the module's qmldir lives at qrc:/Stint
        // Made once the application exists, and kept by us.
        m_fixtures = std::make_unique<Fixtures>();
        qmlRegisterSingletonType<Fixtures>("StintTest", 1, 0, "Fixtures",
                                           [fixtures = m_fixtures.get()](QQmlEngine *, QJSEngine *) {
                                               QJSEngine::setObjectOwnership(fixtures, QJSEngine::CppOwnership);
                                               return fixtures;
                                           });
    }

private:
    QTemporaryFile m_info;
    std::unique_ptr<Fixtures> m_fixtures;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)
#include "tst_qml.moc"
