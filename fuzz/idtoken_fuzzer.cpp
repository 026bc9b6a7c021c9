// libFuzzer target for what the backend reads from the outside before it
// trusts anything: Google's key set and the bearer token. The input is a key
// set, a newline, then a token.

#include "server/idtoken.h"

#include <QByteArray>
#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\n');
    const QByteArray keySetJson = split < 0 ? input : input.left(split);
    const QByteArray token = split < 0 ? input : input.mid(split + 1);

    const std::optional<KeySet> keys = KeySet::parse(keySetJson);
    if (keys)
        check(keys->size() > 0);
    const std::optional<SignedToken> parsed = SignedToken::parse(token);
    if (!parsed)
        return 0;
    check(token.startsWith(parsed->signingInput));
    check(!parsed->signature.isEmpty());
    if (!keys)
        return 0;
    constexpr qint64 now = 1700000000;
    VerifiedIdToken verified;
    const TokenCheck result = verifyIdToken(*parsed, *keys, {QStringLiteral("client")}, now, &verified);
    if (result == TokenCheck::valid) {
        // Only a real RS256 signature by a published key gets here.
        check(parsed->header.value(QLatin1StringView("alg")).toString() == QLatin1StringView("RS256"));
        check(keys->contains(parsed->kid()));
        check(!verified.subject.isEmpty());
        // The backend caches the verdict until then: it must lie ahead.
        check(verified.acceptedUntil > now);
    }
    return 0;
}
