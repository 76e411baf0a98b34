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
    // package insides skipped) below the icon folder that holds it, read anew every time. None
    // without an icon name, and on Linux, which ships no such icons (the folder is unset).
    std::optional<QIcon> icon() const;

    // The folder of the device icon bundles; empty (none) unless set.
    static QString iconFolder();
    static void setIconFolder(const QString& folder);

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
