#pragma once

#include <QString>
#include <QUuid>

#include <cstdint>
#include <memory>
#include <vector>

namespace Kestrion {

// One companion fan as the fans card shows it; each model built gets a new id.
class FanModel
{
public:
    FanModel(QString identifier, QString name, std::int64_t rpm, std::int64_t min, std::int64_t max);

    QUuid id;
    QString identifier;
    QString name;
    std::int64_t rpm;
    std::int64_t min;
    std::int64_t max;

    // Where the speed lies between min and max, 0 to 1 (ThermionKit::Fan::percentage): never outside,
    // never NaN, whatever the companion sent.
    float percentage() const;
};

using FanModelList = std::vector<std::shared_ptr<FanModel>>;

} // namespace Kestrion
