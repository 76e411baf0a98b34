#include "Kestrion/Models/FanModel.h"

#include "BaseKit/Uuid.h"

#include "ThermionKit/Fan.h"

namespace Kestrion {

FanModel::FanModel(QString identifier, QString name, std::int64_t rpm, std::int64_t min, std::int64_t max)
    : id(BaseKit::Uuid::random())
    , identifier(std::move(identifier))
    , name(std::move(name))
    , rpm(rpm)
    , min(min)
    , max(max)
{
}

float FanModel::percentage() const
{
    return ThermionKit::Fan::percentage(rpm, min, max);
}

} // namespace Kestrion
