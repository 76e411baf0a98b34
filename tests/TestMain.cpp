// Shared main of every test binary: private XDG folders, then the QApplication, then GoogleTest.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // No test may touch the real home: every XDG folder points into a temporary tree that is
    // removed when the binary ends.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/kestrion-test-XXXXXX"));
    if (!home.isValid())
        return 2;
    const QByteArray root = home.path().toUtf8();
    for (const char* sub : {"config", "data", "cache", "state"}) {
        QDir().mkpath(home.path() + QLatin1Char('/') + QLatin1String(sub));
    }
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
    setenv("XDG_STATE_HOME", (root + "/state").constData(), 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrion"));
    QApplication::setOrganizationDomain(QStringLiteral("brannock.com"));
    return RUN_ALL_TESTS();
}
