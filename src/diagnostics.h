#pragma once

#include <QString>
#include <QTextStream>

// `text` with every control character (C0, DEL and C1) written as a visible
// escape: "\x1b" for ESC, "\u009b" for CSI. Task titles, dropped text and
// the backend's and Google's error texts come from outside; printed raw, a
// title could carry terminal escape sequences or forge extra lines.
inline QString escapeControlCharacters(const QString &text)
{
    const auto isControl = [](char16_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); };
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!isControl(u))
            escaped += c;
        else if (u < 0x80)
            escaped += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            escaped += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
    }
    return escaped;
}

// Stint's diagnostics: one line on stdout for each thing worth knowing, with
// no levels and no log file. Flushed at once, so lines from different parts
// of the app come out in the order they happened. The fixed texts hold no
// control characters, so escaping the whole line only touches what came
// from outside, and a line stays one line whatever it carries.
inline void printLine(const QString &line)
{
    QTextStream(stdout) << escapeControlCharacters(line) << Qt::endl;
}
