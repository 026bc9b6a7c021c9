#pragma once

#include "devserver/demodata.h"
#include "server/http.h"

#include <QUrl>

#include <optional>

class OAuthProvider;
struct BackendSettings;

// Stand-ins for the Google APIs the backend calls, under /google/ on the dev
// server: the key set (the provider's public key), tokeninfo (the provider's
// access tokens), and Tasks and Calendar serving `data()` to whoever holds a
// live access token, with Google's reply shapes.
class GoogleApis
{
public:
    explicit GoogleApis(const OAuthProvider &provider);

    // The answer for a request under /google/; none for any other path.
    std::optional<HttpAnswer> serve(const HttpRequest &request);

    DemoData &data() { return m_data; }
    const DemoData &data() const { return m_data; }

    // Points the backend's Google addresses at these stand-ins on `base`.
    static void pointAt(BackendSettings &settings, const QUrl &base);

private:
    HttpAnswer tokenInfo(const HttpRequest &request) const;

    const OAuthProvider &m_provider;
    DemoData m_data;
};
