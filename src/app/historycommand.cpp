#include "app/historycommand.h"

#include "history/historystore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

CommandLine::Group historyOptions()
{
    CommandLine::Group group;
    group.options = {QCommandLineOption(
            QStringLiteral("history"),
            QCoreApplication::translate("CommandLine",
                                        "Print every phase of the focus history as CSV; with --json, as JSON lines."))};
    group.run = [](const QCommandLineParser &parser) -> std::optional<int> {
        if (!parser.isSet(QStringLiteral("history")))
            return std::nullopt;
        return printHistory(HistoryStore::defaultPath(), parser.isSet(QStringLiteral("json")), stdout);
    };
    return group;
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
