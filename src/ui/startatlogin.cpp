#include "ui/startatlogin.h"

#include "common/outputline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// An Exec value that survives the desktop's unquoting: the path in double
// quotes, with the characters that are special inside them escaped.
QString quotedExec(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    // The entry's own escaping doubles each backslash once more.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

} // namespace

QString StartAtLogin::entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/autostart/app.stint.Stint.desktop");
}

bool StartAtLogin::isEnabled()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed == "Hidden=true" || trimmed == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

bool StartAtLogin::setEnabled(bool enabled)
{
    const QString path = entryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            printLine(QStringLiteral("Could not remove the autostart entry: ") + path);
            return false;
        }
        return true;
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QString entry = QStringLiteral("[Desktop Entry]\n"
                                             "Type=Application\n"
                                             "Name=Stint\n"
                                             "Comment=Focus timer in the tray\n"
                                             "Exec=%1\n"
                                             "Icon=app.stint.Stint\n"
                                             "Terminal=false\n"
                                             "X-GNOME-Autostart-enabled=true\n")
                                      .arg(quotedExec(QCoreApplication::applicationFilePath()));
        file.write(entry.toUtf8());
        if (file.commit())
            return true;
    }
    printLine(QStringLiteral("Could not write the autostart entry: ") + file.errorString());
    return false;
}
