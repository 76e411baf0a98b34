#pragma once

#include "SystemKit/Graphics/OpenGlKey.h"

#include "BaseKit/Uuid.h"

#include <QString>
#include <QUuid>

namespace SystemKit {

// One display row of a statistics sample: a known counter with its display name and value, and an
// identifier made fresh for every item, so that two samples never share a row identity.
// Two items are equal exactly when their identifiers are; the hash takes the name only.
class GpuStatisticsItem
{
public:
    // The identifier is made a dozen times a second per card.
    GpuStatisticsItem(OpenGlKey key, QString name, double value, QUuid id = BaseKit::Uuid::random());

    OpenGlKey key() const { return m_key; }
    const QString& name() const { return m_name; }
    double value() const { return m_value; }
    const QUuid& id() const { return m_id; }

    // The key's value text for the value ("-" for a value that has none).
    QString formattedValue() const { return m_key.valueText(m_value); }
    QString description() const { return formattedValue(); }

    bool operator==(const GpuStatisticsItem& other) const { return m_id == other.m_id; }

private:
    OpenGlKey m_key;
    QString m_name;
    double m_value;
    QUuid m_id;
};

inline size_t qHash(const GpuStatisticsItem& item, size_t seed = 0) noexcept
{
    return ::qHash(item.name(), seed);
}

} // namespace SystemKit
