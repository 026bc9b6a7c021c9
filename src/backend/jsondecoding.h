#pragma once

#include "backend/error.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Strict decoding of backend records from JSON. A record decoder reads its
// members in a fixed order through an ObjectReader; the first member that is
// missing, null where a value is required, of the wrong type or holding an
// unusable value ends the decoding. Members nobody asks for are ignored.
//
// Inside this file a failure travels as a JsonDecoding::Failure exception, so
// record decoders stay a plain list of member reads and the success path pays
// nothing for error bookkeeping. The entry points (decodeElements and
// decodeArray) catch it and hand back an Error: nothing is thrown past them.
namespace JsonDecoding {

inline constexpr QLatin1StringView errorDomain{"JSON"};

// Error codes within the "JSON" domain.
enum class Code {
    dataCorrupted = 1, // not JSON, an empty body, or a value that does not read (URL, date)
    keyNotFound = 2, // a required member is missing
    valueNotFound = 3, // a required member is null
    typeMismatch = 4, // a member or element has the wrong JSON type
};

struct Failure
{
    Code code;
    QString message; // what went wrong, e.g. member "uri" is not a string (found a number)
    QString path; // where, outermost first, e.g. conferenceData.entryPoints[1]

    // Adds the segment of an enclosing record as the failure travels outwards.
    void enter(QLatin1StringView member);
    void enter(QLatin1StringView member, qsizetype index);
};

[[noreturn]] void fail(Code code, QString message);

// "a string", "a number", "an object", ... for messages.
QLatin1StringView typeName(const QJsonValue &value);

// A text quoted for a message, cut short when it is long.
QString quoted(const QString &text);

class ObjectReader
{
public:
    explicit ObjectReader(QJsonObject object) : m_object(std::move(object)) { }

    QString string(QLatin1StringView key) const;
    std::optional<QString> optionalString(QLatin1StringView key) const;

    // A nested record, decoded in place by `decode(const ObjectReader &)`.
    template<typename Decode>
    auto object(QLatin1StringView key, Decode decode) const
    {
        const QJsonValue value = required(key);
        return nested(key, value, decode);
    }

    template<typename Decode>
    auto optionalObject(QLatin1StringView key, Decode decode) const
            -> std::optional<decltype(decode(std::declval<const ObjectReader &>()))>
    {
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        return nested(key, value, decode);
    }

    // A JSON array of records, kept in its order.
    template<typename Decode>
    auto array(QLatin1StringView key, Decode decode) const
            -> QList<decltype(decode(std::declval<const ObjectReader &>()))>
    {
        const QJsonValue value = required(key);
        if (!value.isArray())
            failType(key, "an array", value);
        const QJsonArray elements = value.toArray();
        QList<decltype(decode(std::declval<const ObjectReader &>()))> result;
        result.reserve(elements.size());
        qsizetype index = 0;
        for (const QJsonValue element : elements) {
            try {
                if (!element.isObject())
                    failElement(element);
                result.append(decode(ObjectReader(element.toObject())));
            } catch (Failure &failure) {
                failure.enter(key, index);
                throw;
            }
            ++index;
        }
        return result;
    }

    // The member's value; fails when it is missing or null.
    QJsonValue required(QLatin1StringView key) const;

    [[noreturn]] static void failType(QLatin1StringView key, const char *expected, const QJsonValue &found);
    [[noreturn]] static void failValue(QLatin1StringView key, const char *expected, const QString &found);
    [[noreturn]] static void failElement(const QJsonValue &found);

private:
    template<typename Decode>
    static auto nested(QLatin1StringView key, const QJsonValue &value, Decode decode)
    {
        if (!value.isObject())
            failType(key, "an object", value);
        try {
            return decode(ObjectReader(value.toObject()));
        } catch (Failure &failure) {
            failure.enter(key);
            throw;
        }
    }

    QJsonObject m_object;
};

Error toError(const Failure &failure, const QString &prefix = {});

// Parses `json`, which must hold an array; on failure fills `error`.
std::optional<QJsonArray> parseArray(const QByteArray &json, QLatin1StringView what, Error &error);

// The records of an array already parsed. `noun` names one record in error
// descriptions ("Task 3: member "position" is missing").
template<typename T, typename Decode>
Result<QList<T>> decodeElements(const QJsonArray &elements, QLatin1StringView noun, Decode decode)
{
    QList<T> records;
    records.reserve(elements.size());
    qsizetype index = 0;
    try {
        for (const QJsonValue element : elements) {
            if (!element.isObject())
                ObjectReader::failElement(element);
            records.append(decode(ObjectReader(element.toObject())));
            ++index;
        }
    } catch (const Failure &failure) {
        return Result<QList<T>>::failure(toError(failure, QString(noun) + u' ' + QString::number(index)));
    }
    return Result<QList<T>>::success(std::move(records));
}

// A reply holding a JSON array of records; `what` names them in the plural
// for errors about the reply as a whole.
template<typename T, typename Decode>
Result<QList<T>> decodeArray(const QByteArray &json, QLatin1StringView noun, QLatin1StringView what, Decode decode)
{
    Error error;
    const std::optional<QJsonArray> elements = parseArray(json, what, error);
    if (!elements)
        return Result<QList<T>>::failure(std::move(error));
    return decodeElements<T>(*elements, noun, decode);
}

} // namespace JsonDecoding
