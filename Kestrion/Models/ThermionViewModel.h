#pragma once

#include "Kestrion/Models/FanModel.h"
#include "Kestrion/Models/SensorModel.h"

#include "BaseKit/Sampler/SamplerTimer.h"
#include "ThermionKit/ThermionDataModel.h"

#include <QObject>

#include <memory>

namespace Kestrion {

// The program's side of the exchange with the companion. Every second it posts "RequestFans" and then
// "RequestSensors" and notes whether the companion runs; when the companion answers "ResponseSensors"
// or "ResponseFans" it reads that list from the shared suite and rebuilds its sensor or fan lines in
// the companion's order (a repeated identifier only updates the first line's value). A list that is
// missing or cannot be decoded leaves the lines as they were. The first request goes out one second
// after the model was built; the timer runs for the life of the model.
class ThermionViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY isRunningChanged)

public:
    explicit ThermionViewModel(QObject* parent = nullptr);
    // Reads another suite (tests).
    ThermionViewModel(std::unique_ptr<ThermionKit::ThermionDataModel> sensorsModel, QObject* parent = nullptr);
    ~ThermionViewModel() override;

    QTimer* timer() const { return m_timer.timer(); }
    const SensorModelList& temperatureSensors() const { return m_temperatureSensors; }
    const FanModelList& fans() const { return m_fans; }
    bool isRunning() const { return m_isRunning; }
    ThermionKit::ThermionDataModel& sensorsModel() const { return *m_sensorsModel; }

    // One request cycle.
    void refresh();
    void didReceiveSensors();
    void didReceiveFans();

signals:
    void timerChanged();
    void temperatureSensorsChanged();
    void fansChanged();
    void isRunningChanged();

private:
    BaseKit::SamplerTimer m_timer;
    SensorModelList m_temperatureSensors;
    FanModelList m_fans;
    bool m_isRunning = false;
    std::unique_ptr<ThermionKit::ThermionDataModel> m_sensorsModel;
};

} // namespace Kestrion
