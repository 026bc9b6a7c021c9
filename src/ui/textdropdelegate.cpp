#include "ui/textdropdelegate.h"

#include "timer/defaultviewmodel.h"

#include <QTextStream>

void TextDropDelegate::setViewModel(DefaultViewModel *viewModel)
{
    m_viewModel = viewModel;
    Q_EMIT viewModelChanged();
}

void TextDropDelegate::dropEntered()
{
    QTextStream(stdout) << "dropEntered" << Qt::endl;
}

void TextDropDelegate::dropExited()
{
    QTextStream(stdout) << "dropExited" << Qt::endl;
}

bool TextDropDelegate::performDrop(const QStringList &texts)
{
    if (texts.isEmpty())
        return false;

    // The view-model is looked up when the text is applied: the timer view,
    // and this delegate with it, may be gone by then.
    QMetaObject::invokeMethod(
        this,
        [this, text = texts.first()] {
            if (!m_viewModel)
                return;
            m_viewModel->setTaskTitle(text);
            m_viewModel->handleDroppedText(text);
        },
        Qt::QueuedConnection);
    return true;
}
