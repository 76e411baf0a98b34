#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace BaseKit {

// One row of the Mac model catalogue: a model identifier ("MacBookPro18,3") and its readable name.
struct MacDevice {
    QString model;
    QString description;

    bool operator==(const MacDevice&) const = default;

    // The first run of exactly four digits in the description ("14-inch, 2021" gives 2021); none when
    // there is no such run.
    std::optional<int> year() const;

    // {"model": ..., "description": ...} in field order.
    QByteArray encode() const;
    // Both members required and texts; other members are ignored.
    static std::optional<MacDevice> fromJson(const QJsonObject& object);
};

} // namespace BaseKit
