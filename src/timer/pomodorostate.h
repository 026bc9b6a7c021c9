#pragma once

#include <QObject>
#include <QQmlEngine>

// The phase of the countdown.
namespace PomodoroState {
Q_NAMESPACE
QML_ELEMENT

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
