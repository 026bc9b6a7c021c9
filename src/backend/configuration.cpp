#include "backend/configuration.h"

#include "common/outputline.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMutex>
#include <QSet>

namespace {

const QString fileInFolder = QStringLiteral("stint/stint.json");

// XDG wants absolute folders and ignores any other.
QStringList absoluteFolders(const QString &list)
{
    QStringList folders;
    for (const QString &folder : list.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    return folders;
}

// Each broken file is reported once per run, however often it is read.
void reportSkipped(const QString &path, const QString &reason)
{
    static QMutex mutex;
    static QSet<QString> reported;
    const QMutexLocker lock(&mutex);
    if (reported.contains(path))
        return;
    reported.insert(path);
    printLine(QStringLiteral("The settings in %1 are skipped: %2").arg(path, reason));
}

// The object in `path`; none when there is no such file or it is not an
// object (said once).
std::optional<QJsonObject> readObject(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        reportSkipped(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        reportSkipped(path, QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
        return std::nullopt;
    }
    if (!document.isObject()) {
        reportSkipped(path, QStringLiteral("not a JSON object"));
        return std::nullopt;
    }
    return document.object();
}

// The files read after the compiled-in settings, in order; those that do not
// exist are left out when read.
QStringList settingsFiles()
{
    QStringList systemFolders = absoluteFolders(qEnvironmentVariable("XDG_CONFIG_DIRS"));
    if (systemFolders.isEmpty())
        systemFolders = {QStringLiteral("/etc/xdg")};
    QString userFolder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(userFolder))
        userFolder = QDir::homePath() + QStringLiteral("/.config");

    QStringList files;
    // The first system folder is the most important, so it is read last.
    for (auto folder = systemFolders.crbegin(); folder != systemFolders.crend(); ++folder)
        files.append(QDir(*folder).filePath(fileInFolder));
    files.append(QDir(userFolder).filePath(fileInFolder));
    return files;
}

} // namespace

namespace Configuration {

const char *errorName(Error error)
{
    switch (error) {
    case Error::missingKey:
        return "missingKey";
    case Error::invalidValue:
        return "invalidValue";
    }
    return "unknown";
}

QJsonObject infoDictionary()
{
    const QString override = qEnvironmentVariable("STINT_INFO_FILE");
    QJsonObject merged =
            readObject(override.isEmpty() ? QStringLiteral(":/info.json") : override).value_or(QJsonObject());
    for (const QString &path : settingsFiles()) {
        const std::optional<QJsonObject> object = readObject(path);
        if (!object)
            continue;
        for (auto it = object->begin(); it != object->end(); ++it)
            merged.insert(it.key(), it.value());
    }
    return merged;
}

QString value(const QString &key)
{
    const QJsonValue stored = infoDictionary().value(key);
    if (stored.isUndefined())
        throw Error::missingKey;
    if (!stored.isString())
        throw Error::invalidValue;
    return stored.toString();
}

QString text(const QString &key, const QString &fallback)
{
    return text(infoDictionary(), key, fallback);
}

QString text(const QJsonObject &settings, const QString &key, const QString &fallback)
{
    const QJsonValue stored = settings.value(key);
    return stored.isString() ? stored.toString() : fallback;
}

std::optional<QString> backendURL()
{
    try {
        return value(QStringLiteral("BACKEND_URL"));
    } catch (Error error) {
        if (error == Error::missingKey)
            return std::nullopt;
        qFatal("Configuration: BACKEND_URL: %s", errorName(error));
    }
}

} // namespace Configuration
