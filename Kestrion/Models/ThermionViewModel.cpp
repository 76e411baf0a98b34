#include "Kestrion/Models/ThermionViewModel.h"

#include "BaseKit/Services/Notifications.h"
#include "ThermionKit/ThermionCheck.h"
#include "ThermionKit/ThermionNotifications.h"

#include <QHash>

namespace Kestrion {

using BaseKit::Notifications;
using ThermionKit::ThermionNotifications;

ThermionViewModel::ThermionViewModel(QObject* parent)
    : ThermionViewModel(std::make_unique<ThermionKit::ThermionDataModel>(), parent)
{
}

ThermionViewModel::ThermionViewModel(std::unique_ptr<ThermionKit::ThermionDataModel> sensorsModel, QObject* parent)
    : QObject(parent)
    , m_sensorsModel(std::move(sensorsModel))
{
    // The bus's answer on the companion's presence comes in before the first tick asks for it.
    ThermionKit::ThermionCheck::watchPresence();
    m_timer.start(this, 1.0, &ThermionViewModel::refresh);
    emit timerChanged();
    Notifications::Distributed::addObserver(this, QString::fromLatin1(ThermionNotifications::responseSensors),
                                            [this](const QString&, const QString&) { didReceiveSensors(); });
    Notifications::Distributed::addObserver(this, QString::fromLatin1(ThermionNotifications::responseFans),
                                            [this](const QString&, const QString&) { didReceiveFans(); });
}

ThermionViewModel::~ThermionViewModel() = default;

void ThermionViewModel::refresh()
{
    Notifications::Distributed::post(QString::fromLatin1(ThermionNotifications::requestFans));
    Notifications::Distributed::post(QString::fromLatin1(ThermionNotifications::requestSensors));
    m_isRunning = ThermionKit::ThermionCheck::isRunning();
    emit isRunningChanged();
}

void ThermionViewModel::didReceiveSensors()
{
    const auto list = m_sensorsModel->loadSensors();
    if (!list)
        return;
    SensorModelList lines;
    lines.reserve(list->size());
    // The first line of each identifier, by identifier.
    QHash<QString, SensorModel*> first;
    first.reserve(qsizetype(list->size()));
    for (const auto& sensor : *list) {
        if (SensorModel* same = first.value(sensor->identifier)) {
            same->value = sensor->value;
            continue;
        }
        lines.push_back(std::make_shared<SensorModel>(sensor->type, sensor->identifier, sensor->description,
                                                      sensor->value));
        first.insert(sensor->identifier, lines.back().get());
    }
    m_temperatureSensors = std::move(lines);
    emit temperatureSensorsChanged();
}

void ThermionViewModel::didReceiveFans()
{
    const auto list = m_sensorsModel->loadFans();
    if (!list)
        return;
    FanModelList lines;
    lines.reserve(list->size());
    QHash<QString, FanModel*> first;
    for (const auto& fan : *list) {
        if (FanModel* same = first.value(fan.identifier)) {
            same->rpm = fan.rpm;
            same->min = fan.min;
            same->max = fan.max;
            continue;
        }
        lines.push_back(std::make_shared<FanModel>(fan.identifier, fan.name, fan.rpm, fan.min, fan.max));
        first.insert(fan.identifier, lines.back().get());
    }
    m_fans = std::move(lines);
    emit fansChanged();
}

} // namespace Kestrion
