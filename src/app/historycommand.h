#pragma once

#include "app/commandline.h"

#include <QString>

#include <cstdio>

// `stint --history` prints every phase of the focus history as CSV on
// standard output (the same rows as the window's export); with `--json`, one
// JSON object a line. Reads the file as it stands and changes nothing in it.
CommandLine::Group historyOptions();

// The same, once the arguments are known to ask for it: writes to `out`,
// reads the file at `path`; returns the exit status.
int printHistory(const QString &path, bool json, FILE *out);
