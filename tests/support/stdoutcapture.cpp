#include "support/stdoutcapture.h"

#include <QFile>

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
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}
