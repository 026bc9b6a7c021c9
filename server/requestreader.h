#pragma once

#include "server/http.h"

#include <QByteArrayView>
#include <QString>

// Reads one HTTP/1.x request from the start of what a connection has sent.
// The framing is checked to the letter before anything is believed, since a
// request read differently here than by a proxy in front is how requests
// get smuggled: a second Content-Length, Content-Length beside
// Transfer-Encoding, a Content-Length that is not plain digits, a transfer
// coding other than chunked, a folded header line, a line ending in LF
// alone, white space before a colon, or a version that is not HTTP/1.x all
// fail the request, and the connection is closed after the answer. The
// request line, the field syntax and chunked bodies are read by Boost.Beast's
// parser.
class RequestReader
{
public:
    struct Result
    {
        enum class Kind {
            needMore, // nothing wrong so far; wait for more bytes
            request, // `request` is whole and took `consumed` bytes
            failure, // answer `status` with `message`, then close
        };
        Kind kind = Kind::needMore;
        qsizetype consumed = 0;
        HttpRequest request;
        // Whether the connection stays open after the answer.
        bool keepAlive = true;
        // HTTP/1.0: keep-alive only when asked for, and said so in the answer.
        bool http10 = false;
        int status = 0; // 400, 413, 431, 501 or 505
        QString message;
    };

    static Result read(QByteArrayView input, qsizetype maxHeaderSize, qsizetype maxBodySize);
};
