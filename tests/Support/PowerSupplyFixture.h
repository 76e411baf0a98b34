#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

// A writable copy of one captured /sys/class/power_supply tree (tests/fixtures/Platform/<name>), so
// that a test can change a value ("status" to "Charging") or take a supply away. The class folder's
// links into sys/devices stay links.
class PowerSupplyFixture {
public:
    explicit PowerSupplyFixture(const char* name)
    {
        const std::filesystem::path from = std::filesystem::path(KESTRION_FIXTURES "/Platform") / name;
        std::filesystem::copy(from, root().toStdString(),
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks);
    }
    // An empty tree without /sys/class/power_supply.
    PowerSupplyFixture() = default;

    QString root() const { return m_dir.path(); }
    std::filesystem::path supply(const char* name) const
    {
        return std::filesystem::path(root().toStdString()) / "sys/class/power_supply" / name;
    }
    // Writes one attribute of a supply ("BAT0", "status", "Charging") as the kernel prints it.
    void set(const char* supplyName, const char* attribute, const QByteArray& value) const
    {
        const auto path = supply(supplyName) / attribute;
        std::filesystem::remove(path);
        std::ofstream(path) << value.toStdString() << '\n';
    }
    void remove(const char* supplyName, const char* attribute) const
    {
        std::filesystem::remove(supply(supplyName) / attribute);
    }
    // Takes a supply away: its folder and its link.
    void removeSupply(const char* supplyName) const
    {
        const auto link = supply(supplyName);
        std::filesystem::remove_all(std::filesystem::canonical(link));
        std::filesystem::remove(link);
    }
    // Adds a supply folder with the given files ({"type", "Battery"}, ...).
    void addSupply(const char* supplyName, std::initializer_list<std::pair<const char*, QByteArray>> files) const
    {
        std::filesystem::create_directories(supply(supplyName));
        for (const auto& [attribute, value] : files)
            set(supplyName, attribute, value);
    }

private:
    QTemporaryDir m_dir;
};
