#pragma once

#include <QIcon>
#include <QString>

#include <optional>

namespace BaseKit {

// A handheld device model: its full and short name and the name of its icon file. The kind is told
// by the subclass (Phone, Tablet, Watch, Audio).
class MobileDevice {
public:
    MobileDevice(QString name, QString shortName);
    virtual ~MobileDevice();

    const QString& name() const { return m_name; }
    const QString& shortName() const { return m_shortName; }
    const std::optional<QString>& iconName() const { return m_iconName; }
    void setIconName(std::optional<QString> iconName) { m_iconName = std::move(iconName); }

    // The icon file named `iconName` from the first icon bundle ("<Name>.bundle", hidden items and
    // package insides skipped) below `iconFolder` that holds it, read anew every time. None without
    // an icon name or a folder: Linux ships no such icons, so the program names no folder.
    std::optional<QIcon> icon(const QString& iconFolder = QString()) const;

private:
    QString m_name;
    QString m_shortName;
    std::optional<QString> m_iconName;
};

class Phone : public MobileDevice {
public:
    using MobileDevice::MobileDevice;
};

class Tablet : public MobileDevice {
public:
    using MobileDevice::MobileDevice;
};

class Watch : public MobileDevice {
public:
    using MobileDevice::MobileDevice;
};

// A music player.
class Audio : public MobileDevice {
public:
    using MobileDevice::MobileDevice;
};

} // namespace BaseKit
