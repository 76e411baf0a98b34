// The program's entry: one instance per user; a second start shows the running instance's window.
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Platform/PropertyList/Defaults.h"
#include "Platform/Bus/SingleInstance.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString identifier = QString::fromLatin1(Kestrion::KestrionApp::bundleIdentifier);
    QApplication::setApplicationName(QStringLiteral("Kestrion"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRION_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("brannock.com"));
    QApplication::setDesktopFileName(identifier);
    // The settings live in the suite named by the program's identifier.
    Platform::Defaults::setStandardSuite(identifier);

    Platform::SingleInstance instance(identifier);
    if (!instance.claim() && instance.activateRunning())
        return 0;

    // What the samplers read: this machine, made once here.
    Kestrion::KestrionApp kestrion(Kestrion::AppSettings::standard(), Kestrion::StartupEnvironment::live());
    QObject::connect(&instance, &Platform::SingleInstance::showMainWindowRequested, &kestrion,
                     &Kestrion::KestrionApp::showMainWindow);
    kestrion.showMainWindow();
    return application.exec();
}
