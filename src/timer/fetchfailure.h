#pragma once

#include <QCoreApplication>
#include <QString>

struct Error;

// What the popover says when the task list could not be fetched, in the
// user's words: which side failed (Stint's own server, the server, Google)
// and whether Retry may help. The exact status and the server's message go
// to the stdout line instead.
class FetchFailure
{
    Q_DECLARE_TR_FUNCTIONS(FetchFailure)

public:
    static QString describe(const Error &error);
};
