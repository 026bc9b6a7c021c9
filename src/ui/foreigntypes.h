#pragma once

#include "accounts/googleclient.h"
#include "accounts/usermanager.h"
#include "backend/event.h"
#include "backend/task.h"
#include "timer/defaultviewmodel.h"

#include <QQmlEngine>

// The types of the layers below that the views use, registered with the QML
// module here so that those layers need know nothing of QML.

struct ForeignTask2
{
    Q_GADGET
    QML_FOREIGN(Task2)
    QML_VALUE_TYPE(task2)
    QML_UNCREATABLE("tasks come from the backend")
};

struct ForeignEvent
{
    Q_GADGET
    QML_FOREIGN(Event)
    QML_VALUE_TYPE(event)
    QML_UNCREATABLE("events come from the backend")
};

struct ForeignUserManager
{
    Q_GADGET
    QML_FOREIGN(UserManager)
    QML_NAMED_ELEMENT(UserManager)
    QML_UNCREATABLE("made once by the application")
};

struct ForeignNextMeeting
{
    Q_GADGET
    QML_FOREIGN(NextMeeting)
    QML_NAMED_ELEMENT(NextMeeting)
    QML_UNCREATABLE("made by the view-model")
};

struct ForeignTaskDraft
{
    Q_GADGET
    QML_FOREIGN(TaskDraft)
    QML_NAMED_ELEMENT(TaskDraft)
    QML_UNCREATABLE("made by the view-model")
};

struct ForeignGoogleClient
{
    Q_GADGET
    QML_FOREIGN(GoogleClient)
    QML_NAMED_ELEMENT(GoogleClient)
    QML_UNCREATABLE("made once by the application")
};

struct ForeignDefaultViewModel
{
    Q_GADGET
    QML_FOREIGN(DefaultViewModel)
    QML_NAMED_ELEMENT(DefaultViewModel)
    QML_UNCREATABLE("made once by the application")
};
