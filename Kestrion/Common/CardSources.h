#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace SystemKit {
class GraphicsCardController;
class MemoryController;
class ProcessorController;
} // namespace SystemKit

namespace Kestrion {

class AppSettings;
class CardLookSettings;
class GpuModel;
class InternalBatteryModel;
class NetworkModel;
class SystemInfoModel;
class ThermionViewModel;
class VolumesModel;

// What the card families make their cards from: the samplers and models of the program, the
// machine's fixed facts and the settings. Each family reads the members it shows and adds no card
// whose source is missing. Everything named must outlive every card made.
struct CardSources {
    SystemKit::ProcessorController* processor = nullptr;
    SystemKit::MemoryController* memory = nullptr;
    SystemKit::GraphicsCardController* graphics = nullptr;
    NetworkModel* network = nullptr;
    VolumesModel* volumes = nullptr;
    InternalBatteryModel* battery = nullptr;
    ThermionViewModel* thermion = nullptr;
    SystemInfoModel* system = nullptr;
    GpuModel* gpu = nullptr;               // the system-information row's graphics line
    AppSettings* settings = nullptr;       // none: the standard suite's
    CardLookSettings* look = nullptr;      // none: the look of the standard suite
    QString processorName = QString();     // the processor's brand name, shown verbatim as the title
    std::uint64_t physicalMemory = 0;      // bytes
    std::function<QString()> hostName = nullptr; // the machine's host name, read at each refresh
    int sizeClass = 2;
};

} // namespace Kestrion
