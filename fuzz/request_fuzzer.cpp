// Feeds arbitrary bytes to the server's request reader as one connection's
// input, request after request. Besides not crashing: a request read from
// the whole input is read the same from exactly its own bytes and is never
// complete one byte earlier, so where one request ends never depends on how
// the bytes arrived; bodies stay within the limit; refusals are the
// statuses the front knows.

#include "server/requestreader.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr qsizetype maxHeader = 1024;
constexpr qsizetype maxBody = 2048;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int requests = 0; requests < 64 && !input.isEmpty(); ++requests) {
        const RequestReader::Result result = RequestReader::read(input, maxHeader, maxBody);
        using Kind = RequestReader::Result::Kind;
        if (result.kind == Kind::needMore)
            return 0;
        if (result.kind == Kind::failure) {
            const int status = result.status;
            check(status == 400 || status == 413 || status == 431 || status == 501 || status == 505);
            check(!result.keepAlive && !result.message.isEmpty());
            return 0;
        }
        check(result.consumed > 0 && result.consumed <= input.size());
        check(result.request.body.size() <= maxBody);
        check(!result.request.method.isEmpty());
        const RequestReader::Result exact = RequestReader::read(input.first(result.consumed), maxHeader, maxBody);
        check(exact.kind == Kind::request && exact.consumed == result.consumed);
        check(exact.request.method == result.request.method && exact.request.path == result.request.path
              && exact.request.body == result.request.body && exact.request.headers == result.request.headers);
        const RequestReader::Result early = RequestReader::read(input.first(result.consumed - 1), maxHeader, maxBody);
        check(early.kind != Kind::request);
        input = input.sliced(result.consumed);
    }
    return 0;
}
