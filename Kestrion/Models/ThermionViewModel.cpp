#include "Kestrion/Models/ThermionViewModel.h"

#include "BaseKit/Services/Notifications.h"
#include "ThermionKit/ThermionCheck.h"
#include "ThermionKit/ThermionNotifications.h"

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
    for (const auto& sensor : *list) {
        const auto same = std::find_if(lines.begin(), lines.end(),
                                       [&sensor](const auto& line) { return line->identifier == sensor->identifier; });
        if (same != lines.end()) {
            (*same)->value = sensor->value;
            continue;
        }
        lines.push_back(std::make_shared<SensorModel>(sensor->type, sensor->identifier, sensor->description,
                                                      sensor->value));
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
    for (const auto& fan : *list) {
        const auto same = std::find_if(lines.begin(), lines.end(),
                                       [&fan](const auto& line) { return line->identifier == fan.identifier; });
        if (same != lines.end()) {
            (*same)->rpm = fan.rpm;
            (*same)->min = fan.min;
            (*same)->max = fan.max;
            continue;
        }
        lines.push_back(std::make_shared<FanModel>(fan.identifier, fan.name, fan.rpm, fan.min, fan.max));
    }
    m_fans = std::move(lines);
    emit fansChanged();
}

} // namespace Kestrion
