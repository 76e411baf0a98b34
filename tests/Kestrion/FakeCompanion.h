#pragma once

// A companion for the tests, on a bus connection of its own: it owns the companion's bus name, answers
// every "RequestFans" and "RequestSensors" by writing its lists into the shared suite (through a reader
// and writer of its own) and posting "ResponseFans" or "ResponseSensors". It can answer malformed data,
// stay silent or answer twice, or leave the suite's file to a writer of the test's, and records the
// requests it saw in order.

#include "Platform/Bus/DistributedCenter.h"
#include "Platform/PropertyList/PlistValue.h"
#include "ThermionKit/ThermionCheck.h"
#include "ThermionKit/ThermionDataModel.h"
#include "ThermionKit/ThermionKitConstants.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include <memory>

class FakeCompanion {
public:
    enum class Mode { answer, malformed, silent, twice };

    explicit FakeCompanion(QString suite = QString::fromLatin1(ThermionKit::ThermionKitConstants::appGroup),
                           bool ownName = true)
        : m_connection(QStringLiteral("fake-companion-%1").arg(++serial()))
        , m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connection))
        , m_center(m_bus)
        , m_store(suite)
    {
        if (ownName)
            owns = m_bus.registerService(QString::fromLatin1(ThermionKit::ThermionKitConstants::bundleIdentifier));
        m_center.addObserver(&m_context, QStringLiteral("RequestFans"), std::nullopt,
                             [this](const QString& name, const QString&) { request(name); });
        m_center.addObserver(&m_context, QStringLiteral("RequestSensors"), std::nullopt,
                             [this](const QString& name, const QString&) { request(name); });
    }
    ~FakeCompanion()
    {
        m_center.removeObserver(&m_context, QStringLiteral("RequestFans"));
        m_center.removeObserver(&m_context, QStringLiteral("RequestSensors"));
        if (owns)
            m_bus.unregisterService(QString::fromLatin1(ThermionKit::ThermionKitConstants::bundleIdentifier));
        QDBusConnection::disconnectFromBus(m_connection);
        // The program's watch of the name learns of its release from the bus a moment later; the next
        // test must not find the companion still running.
        if (owns) {
            EXPECT_TRUE(QTest::qWaitFor([] { return !ThermionKit::ThermionCheck::isRunning(); }, 10000));
        }
    }
    FakeCompanion(const FakeCompanion&) = delete;
    FakeCompanion& operator=(const FakeCompanion&) = delete;

    static ThermionKit::SensorList sensorList(std::initializer_list<std::tuple<const char*, const char*, double>> rows,
                                              ThermionKit::SensorType type = ThermionKit::SensorType::thermal)
    {
        ThermionKit::SensorList list;
        for (const auto& [identifier, name, value] : rows) {
            list.push_back(ThermionKit::Sensor::make(QString::fromLatin1(identifier), QString::fromUtf8(name),
                                                     ThermionKit::SensorGroup::sensor, type, {}));
            list.back()->value = value;
        }
        return list;
    }

    ThermionKit::SensorList sensors;
    std::vector<ThermionKit::Fan> fans;
    Mode mode = Mode::answer;
    // When set, an answer writes the suite's file through this (told whether the fans were asked for)
    // in place of the lists.
    std::function<void(bool fans)> write;
    bool owns = false;
    QStringList requests;
    int answers = 0;

private:
    static int& serial()
    {
        static int count = 0;
        return count;
    }

    void request(const QString& name)
    {
        requests.append(name);
        if (mode == Mode::silent)
            return;
        const bool isFans = name == QStringLiteral("RequestFans");
        const auto key = isFans ? ThermionKit::SensorDataModelKey::fans : ThermionKit::SensorDataModelKey::sensors;
        if (write)
            write(isFans);
        else if (mode == Mode::malformed)
            m_store.set(Platform::PlistValue(QByteArray("bplist00 broken")), key);
        else if (isFans)
            m_store.save(fans);
        else
            m_store.save(sensors);
        const QString answer = isFans ? QStringLiteral("ResponseFans") : QStringLiteral("ResponseSensors");
        for (int i = 0; i < (mode == Mode::twice ? 2 : 1); ++i) {
            m_center.post(answer);
            ++answers;
        }
    }

    QString m_connection;
    QDBusConnection m_bus;
    Platform::DistributedCenter m_center;
    QObject m_context;
    ThermionKit::ThermionDataModel m_store;
};
