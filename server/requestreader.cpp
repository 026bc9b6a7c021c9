#include "server/requestreader.h"

#include <QUrl>

#include <boost/asio/buffer.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

namespace {

namespace http = boost::beast::http;
using Result = RequestReader::Result;

Result failed(int status, const char *message)
{
    Result result;
    result.kind = Result::Kind::failure;
    result.keepAlive = false;
    result.status = status;
    result.message = QString::fromLatin1(message);
    return result;
}

bool isTokenChar(char c)
{
    static constexpr std::string_view others = "!#$%&'*+-.^_`|~";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || others.find(c) != std::string_view::npos;
}

QByteArrayView trimmed(QByteArrayView value)
{
    while (!value.isEmpty() && (value.front() == ' ' || value.front() == '\t'))
        value = value.sliced(1);
    while (!value.isEmpty() && (value.back() == ' ' || value.back() == '\t'))
        value.chop(1);
    return value;
}

// Whether a comma-separated list (Connection) holds `token`, in any case.
bool listHas(QByteArrayView list, QByteArrayView token)
{
    for (const QByteArrayView item : QByteArray::fromRawData(list.data(), list.size()).split(','))
        if (trimmed(item).compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

Result RequestReader::read(QByteArrayView input, qsizetype maxHeaderSize, qsizetype maxBodySize)
{
    // Empty lines before a request are left over from the one before it.
    qsizetype start = 0;
    while (input.sliced(start).startsWith("\r\n"))
        start += 2;

    // The header section, line by line: every line ends in CRLF, with no CR
    // or NUL inside, and it must end within the limit.
    HttpHeaders headers;
    QByteArrayView requestLine;
    qsizetype end = -1;
    int contentLengths = 0;
    int hosts = 0;
    QByteArrayView contentLength;
    QByteArray transferCoding;
    QByteArray connection;
    for (qsizetype lineStart = start; end < 0;) {
        const qsizetype newline = input.indexOf('\n', lineStart);
        if (newline < 0) {
            if (input.size() - start > maxHeaderSize)
                return failed(431, "The request's header is over 16 KiB");
            return {};
        }
        if (newline == lineStart || input.at(newline - 1) != '\r')
            return failed(400, "A line ends in LF without CR");
        const QByteArrayView line = input.sliced(lineStart, newline - 1 - lineStart);
        if (newline + 1 - start > maxHeaderSize)
            return failed(431, "The request's header is over 16 KiB");
        lineStart = newline + 1;
        if (line.contains('\r') || line.contains('\0'))
            return failed(400, "A CR or NUL inside a line");
        if (line.isEmpty()) {
            end = lineStart;
            break;
        }
        if (requestLine.isNull()) {
            requestLine = line;
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t')
            return failed(400, "A folded header line");
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return failed(400, "A header line without a name");
        const QByteArrayView name = line.first(colon);
        if (!std::all_of(name.begin(), name.end(), isTokenChar))
            return failed(400, "A header name that is not a token");
        const QByteArrayView value = trimmed(line.sliced(colon + 1));
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            ++contentLengths;
            contentLength = value;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            if (!transferCoding.isNull())
                transferCoding += ", ";
            transferCoding += value.toByteArray();
            if (transferCoding.isNull())
                transferCoding = "";
        } else if (name.compare("Host", Qt::CaseInsensitive) == 0) {
            ++hosts;
        } else if (name.compare("Connection", Qt::CaseInsensitive) == 0) {
            connection += ',' + value.toByteArray();
        }
        headers.append({name.toByteArray(), value.toByteArray()});
    }

    // method SP request-target SP HTTP-version
    const qsizetype firstSpace = requestLine.indexOf(' ');
    const qsizetype lastSpace = requestLine.lastIndexOf(' ');
    if (firstSpace <= 0 || lastSpace <= firstSpace + 1)
        return failed(400, "Not an HTTP request line");
    const QByteArrayView version = requestLine.sliced(lastSpace + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (version.size() != 8 || !version.startsWith("HTTP/") || !isDigit(version.at(5)) || version.at(6) != '.'
        || !isDigit(version.at(7)))
        return failed(400, "Not an HTTP request line");
    if (version.at(5) != '1')
        return failed(505, "Only HTTP/1.0 and HTTP/1.1 are served");
    const bool http10 = version.at(7) == '0';

    if (contentLengths > 1)
        return failed(400, "Content-Length more than once");
    if (contentLengths == 1 && !transferCoding.isNull())
        return failed(400, "Content-Length and Transfer-Encoding together");
    if (!transferCoding.isNull() && http10)
        return failed(400, "Transfer-Encoding in an HTTP/1.0 request");
    if (!transferCoding.isNull() && transferCoding.compare("chunked", Qt::CaseInsensitive) != 0)
        return failed(501, "The only transfer coding understood is chunked");
    if (contentLengths == 1) {
        if (contentLength.isEmpty() || !std::all_of(contentLength.begin(), contentLength.end(), isDigit))
            return failed(400, "Content-Length is not a number");
        if (contentLength.size() > 18)
            return failed(400, "Content-Length is out of range");
        if (contentLength.toLongLong() > maxBodySize)
            return failed(413, "The request is over 64 KiB");
    }
    if (hosts > 1 || (hosts == 0 && !http10))
        return failed(400, "An HTTP/1.1 request names one Host");

    // The request line, the fields and a chunked body by Beast's parser,
    // which agrees with the rules above on everything they let through.
    http::request_parser<http::string_body> parser;
    parser.eager(true);
    parser.header_limit(std::uint32_t(maxHeaderSize + 2));
    parser.body_limit(std::uint64_t(maxBodySize));
    boost::beast::error_code error;
    qsizetype used = start;
    while (!parser.is_done()) {
        if (used == input.size())
            return {};
        used += qsizetype(
                parser.put(boost::asio::const_buffer(input.data() + used, size_t(input.size() - used)), error));
        if (error == http::error::need_more)
            return {};
        if (error == http::error::body_limit)
            return failed(413, "The request is over 64 KiB");
        if (error)
            return failed(400, "Not a well-formed HTTP/1.x request");
    }
    const auto &message = parser.get();
    const std::string_view target(message.target().data(), message.target().size());
    Result result;
    result.kind = Result::Kind::request;
    result.consumed = used;
    result.http10 = http10;
    result.keepAlive = http10 ? listHas(connection, "keep-alive") : !listHas(connection, "close");
    result.request.method = QByteArray(message.method_string().data(), qsizetype(message.method_string().size()));
    result.request.headers = std::move(headers);
    result.request.body = QByteArray(message.body().data(), qsizetype(message.body().size()));
    if (target.empty() || (target.front() != '/' && target != "*" && !target.starts_with("http")))
        return failed(400, "Not a request target");
    const QByteArrayView raw(target.data(), qsizetype(target.size()));
    if (raw.front() == '/' && !raw.contains('%') && !raw.contains('?')) {
        result.request.path = QString::fromLatin1(raw);
    } else {
        const QUrl url = raw.front() == '/' ? QUrl(QLatin1StringView("http://host") + QLatin1StringView(raw))
                                            : QUrl(QString::fromLatin1(raw));
        if (!url.isValid() && target != "*")
            return failed(400, "Not a request target");
        result.request.path = target == "*" ? QStringLiteral("*") : url.path();
        result.request.query = url.query();
    }
    return result;
}
