#include "ui/textdropdelegate.h"

#include "common/outputline.h"
#include "timer/defaultviewmodel.h"

void TextDropDelegate::setViewModel(DefaultViewModel *viewModel)
{
    m_viewModel = viewModel;
    Q_EMIT viewModelChanged();
}

void TextDropDelegate::dropEntered()
{
    printLine(QStringLiteral("dropEntered"));
}

void TextDropDelegate::dropExited()
{
    printLine(QStringLiteral("dropExited"));
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
