#include <QApplication>
#include <QQmlEngineExtensionPlugin>

Q_IMPORT_QML_PLUGIN(StintPlugin)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return app.exec();
}
