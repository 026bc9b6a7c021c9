#pragma once

#include <QObject>

// The phase of the countdown.
namespace PomodoroState {
Q_NAMESPACE

enum Value {
    focus, // working on a task: the focus duration, 25 minutes
    rest, // a break: the rest duration, 5 minutes
};
Q_ENUM_NS(Value)

constexpr Value other(Value state)
{
    return state == focus ? rest : focus;
}
} // namespace PomodoroState
