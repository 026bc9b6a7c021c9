#pragma once

#include "server/backend.h"

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QSslConfiguration>
#include <QStringList>

#include <optional>

// Everything stint-backend is started with, from its options and the
// environment variables of the same meaning (the option wins when both are
// given).
struct ServerSettings
{
    BackendSettings backend;
    QString googleCaFile;
    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = 8080;
    std::optional<QSslConfiguration> tls;
    bool accessLog = true;
    int drainSeconds = 0;
    std::optional<quint16> metricsPort;
    QHostAddress metricsAddress{QHostAddress::LocalHost};
};

struct SettingsRead
{
    std::optional<ServerSettings> settings;
    // Why there are none: a line for the user; empty when help was asked for.
    QString error;
    // The usage text, when --help was given.
    QString help;
};

// `arguments` as main gets them, the program's name first.
SettingsRead readServerSettings(const QStringList &arguments, const QProcessEnvironment &environment);
