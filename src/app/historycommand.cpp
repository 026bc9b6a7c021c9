#include "app/historycommand.h"

#include "history/historystore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

std::optional<int> runHistoryCommand(int argc, char *argv[])
{
    bool history = false;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        history = history || std::strcmp(argv[i], "--history") == 0;
        json = json || std::strcmp(argv[i], "--json") == 0;
    }
    if (!history)
        return std::nullopt;
    // The SQL driver is a plugin, which needs an application object.
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Stint"));
    QCoreApplication::setApplicationName(QStringLiteral("Stint"));
    return printHistory(HistoryStore::defaultPath(), json, stdout);
}

int printHistory(const QString &path, bool json, FILE *out)
{
    const auto write = [out](const QByteArray &bytes) { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out); };
    if (!json)
        write(PhaseExport::csvHeader());
    // No file yet: no phases.
    if (!QFileInfo::exists(path))
        return 0;
    HistoryStore store(path);
    if (!store.openForReading()) {
        std::fprintf(stderr, "The focus history at %s cannot be read (damaged, or from another version of Stint)\n",
                     qPrintable(path));
        return 1;
    }
    store.forEachPhase(
            [&](const PhaseRecord &phase) { write(json ? PhaseExport::jsonLine(phase) : PhaseExport::csvRow(phase)); });
    std::fflush(out);
    return 0;
}
