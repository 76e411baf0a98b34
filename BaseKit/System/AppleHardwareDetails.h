#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace BaseKit {

// The hardware details of a machine model: processor, description, marketing name and model identifier.
struct AppleHardwareDetails {
    QString processor;
    QString description;
    QString marketingModel;
    QString model;

    bool operator==(const AppleHardwareDetails&) const = default;

    // A JSON object with keys equal to the field names, written in field order.
    QByteArray encode() const;
    // Every key is required and must be a text; otherwise none.
    static std::optional<AppleHardwareDetails> fromJson(const QJsonObject& object);
};

} // namespace BaseKit
