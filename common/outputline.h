#pragma once

#include <QString>

// `text` with every control character (C0, DEL and C1) written as a visible
// escape: "\x1b" for ESC, "\u009b" for CSI. Task titles, dropped text, request
// paths and error texts come from outside; printed raw, they could carry
// terminal escape sequences or forge extra lines.
QString escapeControlCharacters(const QString &text);

// One line on stdout for each thing worth knowing, with no levels and no log
// file; the app's diagnostics and the server's access log both go through
// here. Flushed at once, so lines from different parts come out in the order
// they happened. The fixed texts hold no control characters, so escaping the
// whole line only touches what came from outside, and a line stays one line
// whatever it carries.
void printLine(const QString &line);

// The same on stderr, for a tool whose stdout other programs read (the dev
// server's first line is its address).
void printErrorLine(const QString &line);
