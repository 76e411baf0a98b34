#pragma once

#include <QString>

namespace InternalBatteryKit {

// One display row of the battery: a title (also its identity), a symbol for full-size display and
// one for menus, the value text and a standard colour. Never changed after it is made.
class BatteryInfoItem {
public:
    // The standard colours a row can take; the views decide their shades.
    enum class Color { yellow, pink, gray, red, blue, indigo, brown, cyan, orange, purple, accent };

    BatteryInfoItem(QString title, QString icon, QString menuIcon, QString value, Color color)
        : m_title(std::move(title)), m_icon(std::move(icon)), m_menuIcon(std::move(menuIcon)),
          m_value(std::move(value)), m_color(color)
    {
    }

    const QString& id() const { return m_title; }
    const QString& title() const { return m_title; }
    const QString& icon() const { return m_icon; }
    const QString& menuIcon() const { return m_menuIcon; }
    const QString& value() const { return m_value; }
    Color color() const { return m_color; }

    // Rows with the same title are the same row, whatever they show.
    bool operator==(const BatteryInfoItem& other) const { return m_title == other.m_title; }

private:
    QString m_title;
    QString m_icon;
    QString m_menuIcon;
    QString m_value;
    Color m_color;
};

inline size_t qHash(const BatteryInfoItem& item, size_t seed = 0)
{
    return qHash(item.title(), seed);
}

} // namespace InternalBatteryKit
