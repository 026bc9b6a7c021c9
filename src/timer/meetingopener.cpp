#include "timer/meetingopener.h"

#include "backend/event.h"
#include "backend/weblink.h"

#include <QDesktopServices>
#include <QProcess>
#include <QTimer>

#include <memory>

namespace {

const QString zoomScheme = QStringLiteral("zoomus");

bool isOpenable(const QUrl &url, bool hasZoomHandler)
{
    if (!url.isValid())
        return false;
    if (isWebUrl(url))
        return true;
    if (url.scheme() == u"tel")
        return !url.path().isEmpty();
    return url.scheme() == zoomScheme && hasZoomHandler;
}

// QUrl lower-cases the scheme, so "ZoomUS://" and "HTTPS://" are recognised too.
QUrl parse(const QString &text)
{
    return QUrl(text, QUrl::StrictMode);
}

} // namespace

std::optional<QUrl> meetingUrlToOpen(const Event &event, bool hasZoomHandler)
{
    const QUrl link = parse(event.meetingLink());
    if (isOpenable(link, hasZoomHandler))
        return link;

    // The Zoom client is missing: its meeting in the browser instead.
    if (link.isValid() && link.scheme() == zoomScheme && event.conferenceData
        && !event.conferenceData->entryPoints.isEmpty()) {
        const QUrl web = parse(event.conferenceData->entryPoints.first().uri);
        if (web.isValid() && isWebUrl(web))
            return web;
    }
    return std::nullopt;
}

bool hasJoinLink(const Event &event)
{
    return meetingUrlToOpen(event, true).has_value();
}

void queryZoomHandler(QObject *context, std::function<void(bool hasHandler)> done)
{
    auto *process = new QProcess(context);
    // Called once, whichever of finishing, failing to start or timing out
    // comes first.
    auto answer = std::make_shared<std::function<void(bool)>>(std::move(done));
    auto finish = [process, answer](bool hasHandler) {
        if (!*answer)
            return;
        const auto callback = std::exchange(*answer, nullptr);
        process->deleteLater();
        callback(hasHandler);
    };

    QObject::connect(process, &QProcess::finished, process,
                     [process, finish](int exitCode, QProcess::ExitStatus status) {
                         const bool answered = status == QProcess::NormalExit && exitCode == 0;
                         finish(answered && !process->readAllStandardOutput().trimmed().isEmpty());
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
        else if (error == QProcess::Timedout)
            process->kill();
    });
    QTimer::singleShot(5000, process, [process, finish] {
        process->kill();
        finish(false);
    });

    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(QStringLiteral("xdg-mime"),
                   {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/zoomus")});
}

void openMeeting(const Event &event, QObject *context)
{
    const QUrl link = parse(event.meetingLink());
    if (!link.isValid() || link.scheme() != zoomScheme) {
        if (const std::optional<QUrl> url = meetingUrlToOpen(event, false))
            QDesktopServices::openUrl(*url);
        return;
    }
    queryZoomHandler(context, [event](bool hasHandler) {
        if (const std::optional<QUrl> url = meetingUrlToOpen(event, hasHandler))
            QDesktopServices::openUrl(*url);
    });
}
