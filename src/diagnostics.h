#pragma once

#include <QString>
#include <QTextStream>

// Stint's diagnostics: one line on stdout for each thing worth knowing, with
// no levels and no log file. Flushed at once, so lines from different parts
// of the app come out in the order they happened.
inline void printLine(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}
