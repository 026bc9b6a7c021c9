#pragma once

#include <QUrl>

// Whether `url` is a web address (http or https with a host): the only kind
// Stint hands to the browser when it comes from the network, so a link can
// never start a local program or open a local file.
inline bool isWebUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}
