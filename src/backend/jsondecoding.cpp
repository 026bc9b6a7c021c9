#include "backend/jsondecoding.h"

#include <algorithm>

namespace JsonDecoding {

namespace {

QString memberName(QLatin1StringView key)
{
    return QStringLiteral("member \"%1\"").arg(key);
}

} // namespace

void Failure::enter(QLatin1StringView member)
{
    path = path.isEmpty() ? QString(member) : QString(member) + u'.' + path;
}

void Failure::enter(QLatin1StringView member, qsizetype index)
{
    const QString segment = QStringLiteral("%1[%2]").arg(member).arg(index);
    path = path.isEmpty() ? segment : segment + u'.' + path;
}

void fail(Code code, QString message)
{
    throw Failure{code, std::move(message), {}};
}

QLatin1StringView typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QLatin1StringView("null");
    case QJsonValue::Bool:
        return QLatin1StringView("a boolean");
    case QJsonValue::Double:
        return QLatin1StringView("a number");
    case QJsonValue::String:
        return QLatin1StringView("a string");
    case QJsonValue::Array:
        return QLatin1StringView("an array");
    case QJsonValue::Object:
        return QLatin1StringView("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QLatin1StringView("nothing");
}

QString quoted(const QString &text)
{
    // Descriptions end up on one output line; a runaway value should not.
    constexpr qsizetype limit = 80;
    if (text.size() <= limit)
        return u'"' + text + u'"';
    return u'"' + text.left(limit - 3) + QStringLiteral("...\"");
}

QString ObjectReader::string(QLatin1StringView key) const
{
    const QJsonValue value = required(key);
    if (!value.isString())
        failType(key, "a string", value);
    return value.toString();
}

std::optional<QString> ObjectReader::optionalString(QLatin1StringView key) const
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isString())
        failType(key, "a string", value);
    return value.toString();
}

QJsonValue ObjectReader::required(QLatin1StringView key) const
{
    QJsonValue value = m_object.value(key);
    if (value.isUndefined())
        fail(Code::keyNotFound, memberName(key) + QLatin1String(" is missing"));
    if (value.isNull())
        fail(Code::valueNotFound, memberName(key) + QLatin1String(" is null"));
    return value;
}

void ObjectReader::failType(QLatin1StringView key, const char *expected, const QJsonValue &found)
{
    fail(Code::typeMismatch,
         QStringLiteral("%1 is not %2 (found %3)").arg(memberName(key), QLatin1String(expected), typeName(found)));
}

void ObjectReader::failValue(QLatin1StringView key, const char *expected, const QString &found)
{
    fail(Code::dataCorrupted,
         QStringLiteral("%1 is not %2: %3").arg(memberName(key), QLatin1String(expected), quoted(found)));
}

void ObjectReader::failElement(const QJsonValue &found)
{
    fail(Code::typeMismatch, QStringLiteral("expected an object, found %1").arg(typeName(found)));
}

Error toError(const Failure &failure, const QString &prefix)
{
    QString description;
    if (!prefix.isEmpty())
        description += prefix + QLatin1String(": ");
    if (!failure.path.isEmpty())
        description += failure.path + QLatin1String(": ");
    description += failure.message;
    return {QString(errorDomain), int(failure.code), description};
}

std::optional<QJsonArray> parseArray(const QByteArray &json, QLatin1StringView what, Error &error)
{
    const auto failWith = [&](Code code, QString description) {
        error = {QString(errorDomain), int(code), std::move(description)};
        return std::nullopt;
    };

    // The parser would call an empty body an "illegal value" at offset 0,
    // which says nothing useful about a reply that simply carried nothing.
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    if (std::all_of(json.begin(), json.end(), isSpace))
        return failWith(Code::dataCorrupted,
                        QStringLiteral("The reply is empty; expected a JSON array of %1").arg(what));

    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failWith(Code::dataCorrupted,
                        QStringLiteral("The reply is not valid JSON: %1 at offset %2")
                                .arg(parseError.errorString())
                                .arg(parseError.offset));
    if (!document.isArray())
        return failWith(
                Code::typeMismatch,
                QStringLiteral("Expected a JSON array of %1, found %2")
                        .arg(what, document.isObject() ? QLatin1String("an object") : QLatin1String("nothing")));
    return document.array();
}

} // namespace JsonDecoding
