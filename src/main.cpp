#include "app/timerapp.h"

#include <QQmlEngineExtensionPlugin>

Q_IMPORT_QML_PLUGIN(StintPlugin)

int main(int argc, char *argv[])
{
    return timerApp(argc, argv);
}
