#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QStringList>

class DefaultViewModel;

// Takes plain text dropped on the timer: the text becomes the task being
// worked on and a full focus phase starts for it.
//
// The drop is answered at once, but the text is applied later on the main
// thread, after the drop event has been handled: the view-model then
// changes outside the drag machinery, never in the middle of it.
class TextDropDelegate : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(DefaultViewModel *viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)

public:
    using QObject::QObject;

    DefaultViewModel *viewModel() const { return m_viewModel; }
    void setViewModel(DefaultViewModel *viewModel);

    // A drag carrying text came over the drop area, or left it.
    Q_INVOKABLE void dropEntered();
    Q_INVOKABLE void dropExited();

    // `texts` are the dropped texts in drag order; only the first is used.
    // Returns false, and changes nothing, when there is none.
    Q_INVOKABLE bool performDrop(const QStringList &texts);

Q_SIGNALS:
    void viewModelChanged();

private:
    QPointer<DefaultViewModel> m_viewModel;
};
