#include "common/outputline.h"

#include <cstdio>

QString escapeControlCharacters(const QString &text)
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

namespace {

void writeLine(std::FILE *stream, const QString &line)
{
    const QByteArray text = escapeControlCharacters(line).toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    std::fflush(stream);
}

} // namespace

void printLine(const QString &line)
{
    writeLine(stdout, line);
}

void printErrorLine(const QString &line)
{
    writeLine(stderr, line);
}
