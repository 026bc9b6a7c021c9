// The yardstick for the app's start-up, memory and CPU: a bare Qt Quick window
// of the popover's size showing one rectangle, started the same way. With
// STINT_BARE_CONTROLS=1 it shows a few Qt Quick Controls instead, to tell what
// the controls alone cost.

#include "app/firstframe.h"

#include <QGuiApplication>
#include <QQuickView>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQuickView view;
    view.setTitle(QStringLiteral("Bare"));
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(qEnvironmentVariableIsSet("STINT_BARE_CONTROLS") ? QStringLiteral("qrc:/bare/Controls.qml")
                                                                         : QStringLiteral("qrc:/bare/Bare.qml")));
    view.resize(330, 445);
    reportFirstFrame(&view);
    view.show();
    return app.exec();
}
