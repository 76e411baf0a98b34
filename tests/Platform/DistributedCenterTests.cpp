#include "Platform/Bus/DistributedCenter.h"

#include <QDBusConnection>
#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

#include <memory>

using Platform::DistributedCenter;

namespace {

// Every test process of the suite shares one session bus: names carry a per-test prefix, so that no
// other process's notifications reach these observers.
QString uniqueName(const char* base)
{
    static const QString prefix = QStringLiteral("T") + QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('.');
    return prefix + QLatin1String(base);
}

struct Received {
    QString name;
    QString object;
    bool operator==(const Received&) const = default;
};

[[maybe_unused]] void PrintTo(const Received& r, std::ostream* os)
{
    *os << r.name.section(QLatin1Char('.'), 1).toStdString() << "|" << r.object.toStdString();
}

class DistributedCenterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "the tests run on a session bus";
        // A bus connection starts handing on messages once the event loop has run.
        QCoreApplication::processEvents();
        static int serial = 0;
        connectionName = QStringLiteral("poster-%1").arg(++serial);
        poster = std::make_unique<DistributedCenter>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName));
        ASSERT_TRUE(poster->isConnected());
    }
    void TearDown() override
    {
        poster.reset();
        QDBusConnection::disconnectFromBus(connectionName);
    }

    DistributedCenter::Handler recordInto(std::vector<Received>& list)
    {
        return [&list](const QString& name, const QString& object) { list.push_back({name, object}); };
    }

    static bool waitFor(const std::vector<Received>& list, size_t count)
    {
        return QTest::qWaitFor([&list, count] { return list.size() >= count; }, 10000);
    }

    QString connectionName;
    DistributedCenter observerCenter{QDBusConnection::sessionBus()};
    std::unique_ptr<DistributedCenter> poster;
};

TEST_F(DistributedCenterTest, PostsFromAnotherConnectionAndAnotherProcessArriveInOrder)
{
    QObject observer;
    std::vector<Received> received;
    const QString name = uniqueName("ResponseSensors");
    ASSERT_TRUE(observerCenter.addObserver(&observer, name, std::nullopt, recordInto(received)));

    poster->post(name);
    poster->post(name, QStringLiteral("second"));
    poster->post(name, QStringLiteral("third"));
    ASSERT_TRUE(waitFor(received, 3));

    // A separate process posts the way a companion in any language would.
    const int sent = QProcess::execute(
        QStringLiteral("dbus-send"),
        {QStringLiteral("--session"), QStringLiteral("--type=signal"), QString::fromLatin1(DistributedCenter::path),
         QString::fromLatin1(DistributedCenter::interface) + QLatin1Char('.') + QLatin1String(DistributedCenter::member),
         QStringLiteral("string:") + name, QStringLiteral("string:from-process")});
    ASSERT_EQ(sent, 0);
    ASSERT_TRUE(waitFor(received, 4));
    poster->post(name, QStringLiteral("last"));
    ASSERT_TRUE(waitFor(received, 5));

    const std::vector<Received> expected{{name, QString()},
                                         {name, QStringLiteral("second")},
                                         {name, QStringLiteral("third")},
                                         {name, QStringLiteral("from-process")},
                                         {name, QStringLiteral("last")}};
    EXPECT_EQ(received, expected);
}

TEST_F(DistributedCenterTest, APostRepeatedAmongOthersArrivesEachTimeWithItsOwnObject)
{
    QObject observer;
    std::vector<Received> received;
    const QString name = uniqueName("RequestFans");
    const QString other = uniqueName("RequestSensors");
    ASSERT_TRUE(observerCenter.addObserver(&observer, name, std::nullopt, recordInto(received)));
    ASSERT_TRUE(observerCenter.addObserver(&observer, other, std::nullopt, recordInto(received)));

    std::vector<Received> expected;
    auto post = [&](const QString& n, const std::optional<QString>& object) {
        poster->post(n, object);
        expected.push_back({n, object.value_or(QString())});
    };
    post(name, std::nullopt);
    post(name, QStringLiteral("fan0"));
    post(other, std::nullopt);
    post(name, std::nullopt);
    post(name, QStringLiteral("fan0"));
    // More names than a centre keeps in between: the first ones are made again.
    for (int i = 0; i < 12; ++i)
        poster->post(uniqueName("Unobserved") + QString::number(i));
    post(name, QStringLiteral("fan0"));
    post(other, std::nullopt);
    post(name, std::nullopt);

    ASSERT_TRUE(waitFor(received, expected.size()));
    QTest::qWait(50); // nothing more arrives
    EXPECT_EQ(received, expected);
}

TEST_F(DistributedCenterTest, MalformedSignalsFromOutsideAreIgnored)
{
    QObject observer;
    std::vector<Received> received;
    const QString name = uniqueName("RequestFans");
    ASSERT_TRUE(observerCenter.addObserver(&observer, name, std::nullopt, recordInto(received)));
    const QString signal = QString::fromLatin1(DistributedCenter::interface) + QLatin1Char('.') +
                           QLatin1String(DistributedCenter::member);
    // Name only, and a number where the object text belongs.
    ASSERT_EQ(QProcess::execute(QStringLiteral("dbus-send"),
                                {QStringLiteral("--session"), QStringLiteral("--type=signal"),
                                 QString::fromLatin1(DistributedCenter::path), signal, QStringLiteral("string:") + name}),
              0);
    ASSERT_EQ(QProcess::execute(QStringLiteral("dbus-send"),
                                {QStringLiteral("--session"), QStringLiteral("--type=signal"),
                                 QString::fromLatin1(DistributedCenter::path), signal, QStringLiteral("string:") + name,
                                 QStringLiteral("int32:7")}),
              0);
    // The bus hands on messages in the order it got them: once "good" is here, the others were.
    poster->post(name, QStringLiteral("good"));
    ASSERT_TRUE(waitFor(received, 1));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].object, QStringLiteral("good"));
}

TEST_F(DistributedCenterTest, ObjectFilterAndNames)
{
    QObject observer;
    std::vector<Received> filtered;
    std::vector<Received> everything;
    const QString name = uniqueName("ResponseFans");
    const QString other = uniqueName("ResponseSensors");
    ASSERT_TRUE(observerCenter.addObserver(&observer, name, QStringLiteral("fan0"), recordInto(filtered)));
    ASSERT_TRUE(observerCenter.addObserver(&observer, name, std::nullopt, recordInto(everything)));

    poster->post(name, QStringLiteral("fan1"));
    poster->post(other, QStringLiteral("fan0"));
    poster->post(name);
    poster->post(name, QStringLiteral("fan0"));
    ASSERT_TRUE(waitFor(everything, 3));
    ASSERT_TRUE(waitFor(filtered, 1));

    EXPECT_EQ(filtered, (std::vector<Received>{{name, QStringLiteral("fan0")}}));
    EXPECT_EQ(everything, (std::vector<Received>{{name, QStringLiteral("fan1")}, {name, QString()},
                                                 {name, QStringLiteral("fan0")}}));
}

TEST_F(DistributedCenterTest, RemovedAndDestroyedObserversHearNothingMore)
{
    auto removed = std::make_unique<QObject>();
    auto destroyed = std::make_unique<QObject>();
    QObject witness;
    std::vector<Received> removedGot, destroyedGot, witnessGot;
    const QString name = uniqueName("TerminateThermion");
    const QString kept = uniqueName("RequestSensors");
    ASSERT_TRUE(observerCenter.addObserver(removed.get(), name, std::nullopt, recordInto(removedGot)));
    ASSERT_TRUE(observerCenter.addObserver(removed.get(), kept, std::nullopt, recordInto(removedGot)));
    ASSERT_TRUE(observerCenter.addObserver(destroyed.get(), name, std::nullopt, recordInto(destroyedGot)));
    ASSERT_TRUE(observerCenter.addObserver(&witness, name, std::nullopt, recordInto(witnessGot)));

    poster->post(name, QStringLiteral("1"));
    ASSERT_TRUE(waitFor(witnessGot, 1));
    ASSERT_TRUE(waitFor(removedGot, 1));
    ASSERT_TRUE(waitFor(destroyedGot, 1));

    observerCenter.removeObserver(removed.get(), name);
    destroyed.reset();
    poster->post(name, QStringLiteral("2"));
    poster->post(kept, QStringLiteral("3"));
    // The witness hears "2" after the others would have; "3" proves the other name stayed observed.
    ASSERT_TRUE(waitFor(witnessGot, 2));
    ASSERT_TRUE(waitFor(removedGot, 2));
    EXPECT_EQ(removedGot, (std::vector<Received>{{name, QStringLiteral("1")}, {kept, QStringLiteral("3")}}));
    EXPECT_EQ(destroyedGot.size(), 1u);
}

TEST_F(DistributedCenterTest, WithoutABusNothingHappens)
{
    DistributedCenter none{QDBusConnection(QStringLiteral("kestrion-no-such-connection"))};
    EXPECT_FALSE(none.isConnected());
    QObject observer;
    EXPECT_FALSE(none.addObserver(&observer, uniqueName("X"), std::nullopt, [](const QString&, const QString&) {}));
    none.post(uniqueName("X")); // must neither crash nor block
}

} // namespace
