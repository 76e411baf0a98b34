#pragma once

#include <array>
#include <vector>

namespace Kestrion {

// The cards of the main window.
enum class Card {
    systemInfo,
    processorUsage,
    coreUsage,
    memoryUsage,
    diskInfo,
    volumes,
    networkInfo,
    graphicsCard,
    networkUsage,
    internalBattery,
    fans,
    thermion,
};

// What decides which cards the main window shows: the ten module switches (true hides the card)
// and the states of the models.
struct MainLayoutInputs {
    bool disableSystemInfo = true;
    bool disableProcessorUsage = false;
    bool disableMemoryUsage = false;
    bool disableCoresUsage = false;
    bool disableNetworkInfo = false;
    bool disableNetworkUsage = false;
    bool disableGraphicsCard = false;
    bool disableVolumeInfo = false;
    bool disableConnectedVolumes = false;
    bool disableInternalBattery = false;

    bool batteryPresent = false;         // the battery finder found an internal battery
    bool hasPrimaryGraphicsCard = false; // the graphics sampler has a primary card
    bool companionRunning = false;       // the companion answered this second
    bool hasFans = false;                // the companion's fan list is not empty
    bool hasTemperatureSensors = false;  // the companion's temperature list is not empty
};

// The main window's arrangement: the empty state, or an optional system-information row above five
// columns of cards, each column top to bottom.
struct MainLayout {
    static constexpr int columnCount = 5;

    bool empty = false;
    bool systemInfoRow = false;
    std::array<std::vector<Card>, columnCount> columns;

    // Every module switched off gives the empty state, whatever the models hold. Otherwise each card
    // stands in its column when its switch is on and what it shows exists: the volumes card under
    // the disk card on a machine with an internal battery, in the battery card's place without one.
    static MainLayout plan(const MainLayoutInputs& inputs);

    // Whether all ten module switches are off.
    static bool allModulesDisabled(const MainLayoutInputs& inputs);

    bool operator==(const MainLayout&) const = default;
};

} // namespace Kestrion
