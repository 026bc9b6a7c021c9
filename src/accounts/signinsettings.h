#pragma once

#include <QString>
#include <QUrl>

// The client settings of the sign-in, from the settings files (see
// Configuration); GoogleClient puts a client entered in the popover in.
struct SignInSettings
{
    QString clientId;
    QString clientSecret;
    QUrl authorizationEndpoint;
    QUrl tokenEndpoint;
    QUrl revocationEndpoint;

    // GOOGLE_CLIENT_ID, GOOGLE_CLIENT_SECRET, GOOGLE_AUTH_URL, GOOGLE_TOKEN_URL
    // and GOOGLE_REVOKE_URL; Google's own endpoints where a key is absent.
    static SignInSettings fromInfoDictionary();
};
