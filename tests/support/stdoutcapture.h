#pragma once

#include <QStringList>
#include <QTemporaryFile>

// Captures what the process writes to stdout while it is alive, so tests can
// check the diagnostic lines, and passes it all on to the real stdout when it
// ends. An inner capture hides its lines from an outer one.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();

    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // The lines written so far, without their newlines.
    QStringList lines();

private:
    QTemporaryFile m_file;
    int m_savedStdout = -1;
};
