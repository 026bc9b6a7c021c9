#include "support/stdoutcapture.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    if (!m_file.open())
        qFatal("StdoutCapture: cannot open a temporary file");
    std::fflush(stdout);
    m_savedStdout = ::dup(STDOUT_FILENO);
    ::dup2(m_file.handle(), STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    std::fflush(stdout);
    ::dup2(m_savedStdout, STDOUT_FILENO);
    ::close(m_savedStdout);
    // Pass everything on, so a test failure reported while capturing (the
    // test framework writes to stdout too) still reaches the log.
    QFile reader(m_file.fileName());
    if (reader.open(QIODevice::ReadOnly)) {
        const QByteArray captured = reader.readAll();
        std::fwrite(captured.constData(), 1, size_t(captured.size()), stdout);
        std::fflush(stdout);
    }
}

QStringList StdoutCapture::lines()
{
    std::fflush(stdout);
    QFile reader(m_file.fileName());
    if (!reader.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(reader.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    // The test framework reports Qt's own warnings on stdout too; those are
    // not the program's lines.
    static const QRegularExpression testLogLine(QStringLiteral("^(QWARN|QDEBUG|QINFO|QSYSTEM|QCRITICAL|QFATAL) *: "));
    lines.removeIf([](const QString &line) { return testLogLine.match(line).hasMatch(); });
    return lines;
}
