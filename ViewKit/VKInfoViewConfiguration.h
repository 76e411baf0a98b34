#pragma once

#include "LanguageKit/LKLocalizedString.h"
#include "ViewKit/VKSymbolView.h"

#include <QColor>
#include <QHashFunctions>
#include <QString>
#include <QUuid>

#include <optional>

namespace ViewKit {

// One row of a what's-new list. Each value gets a new random identity when it is built; two values are
// equal exactly when their identities are, whatever their fields.
class VKInfoViewConfiguration
{
public:
    // The title as a key of the application's table, looked up when drawn.
    VKInfoViewConfiguration(const QColor& color, const QString& systemName, std::optional<QString> title,
                            const QString& description, qreal imageSize, VKSymbolRenderingMode symbolRenderingMode);
    // The title as the key's translation, taken now and kept as plain text.
    VKInfoViewConfiguration(const QColor& color, const QString& systemName, LanguageKit::LKLocalizedString localizedTitle,
                            const QString& description, qreal imageSize, VKSymbolRenderingMode symbolRenderingMode);

    const QUuid& id() const { return m_id; }

    QColor color;
    QString systemName;
    std::optional<QString> title;
    std::optional<QString> text;
    QString description;
    qreal imageSize;
    VKSymbolRenderingMode symbolRenderingMode;

    friend bool operator==(const VKInfoViewConfiguration& a, const VKInfoViewConfiguration& b) { return a.m_id == b.m_id; }

private:
    QUuid m_id;
};

inline size_t qHash(const VKInfoViewConfiguration& configuration, size_t seed = 0) noexcept
{
    return qHash(configuration.id(), seed);
}

} // namespace ViewKit
