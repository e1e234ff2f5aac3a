#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace Velmora {

/// Why a file could not be read or written: which file, and what is wrong (and where in it), in
/// words for the message the user sees and for velmora-cli.
struct Error
{
    QString path;
    QString message;

    bool operator==(const Error &) const = default;
};

/// What an operation that can fail gives back: its value, or the Error that stopped it. True
/// when it holds the value.
template<typename T>
class Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Error error)
        : m_state(std::in_place_index<1>, std::move(error))
    {
    }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    /// Only when ok().
    const T &value() const { return std::get<0>(m_state); }
    T &value() { return std::get<0>(m_state); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    /// Only when not ok().
    const Error &error() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

/// Success, or the Error that stopped the operation.
template<>
class Result<void>
{
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
    {
    }

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    /// Only when not ok().
    const Error &error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

} // namespace Velmora
