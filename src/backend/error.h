#pragma once

#include <QString>

#include <utility>
#include <variant>

// An error as the backend client reports it: where it came from (the HTTP
// client, the JSON decoder, ...), a code within that domain, and a readable
// description that is printed and shown to the user as it stands.
struct Error
{
    QString domain;
    int code = 0;
    QString description;

    // The reply carried neither a body nor an error.
    static Error noData()
    {
        return {QStringLiteral("No Data"), 0,
                QStringLiteral("The operation couldn't be completed. (No Data error 0.)")};
    }
};

// Success with a value, or failure with an Error. Network completions and
// decoders hand one of these back; nothing is thrown.
template<typename T>
class Result
{
public:
    static Result success(T value) { return Result(std::in_place_index<0>, std::move(value)); }
    static Result failure(Error error) { return Result(std::in_place_index<1>, std::move(error)); }

    bool isSuccess() const { return m_value.index() == 0; }
    const T &value() const { return std::get<0>(m_value); }
    T &value() { return std::get<0>(m_value); }
    const Error &error() const { return std::get<1>(m_value); }

private:
    template<std::size_t I, typename V>
    Result(std::in_place_index_t<I> index, V &&value) : m_value(index, std::forward<V>(value))
    {
    }

    std::variant<T, Error> m_value;
};

// The value of a success that carries nothing.
using Nothing = std::monostate;
