#include "ThermionKit/Sensors.h"

#include <initializer_list>
#include <utility>

namespace ThermionKit {

namespace {

using P = SensorPlatform;
using Entries = std::initializer_list<std::pair<const char*, const char*>>;

const std::vector<SensorPlatform> allFour{P::m1, P::m2, P::m3, P::intel};
const std::vector<SensorPlatform> intelOnly{P::intel};
const std::vector<SensorPlatform> m1Only{P::m1};
const std::vector<SensorPlatform> m2Only{P::m2};
const std::vector<SensorPlatform> m3Only{P::m3};
const std::vector<SensorPlatform> appleSilicon{P::m1, P::m2, P::m3};

// Appends one run of entries that share type, group and platforms.
void run(SensorList& list, SensorType type, SensorGroup group, const std::vector<SensorPlatform>& platforms,
         Entries entries)
{
    for (const auto& [identifier, description] : entries)
        list.push_back(Sensor::make(QString::fromLatin1(identifier), QString::fromLatin1(description), group, type,
                                    platforms));
}

SensorList buildCatalogue()
{
    using T = SensorType;
    using G = SensorGroup;
    SensorList list;
    list.reserve(136);
    run(list, T::thermal, G::sensor, allFour, {{"TA%P", "Ambient %"}});
    run(list, T::thermal, G::sensor, intelOnly, {{"Th%H", "Heatpipe %"}});
    run(list, T::thermal, G::sensor, allFour, {{"TZ%C", "Thermal Zone %"}});
    run(list, T::thermal, G::processor, allFour,
        {{"TC0D", "CPU Diode"}, {"TC0E", "CPU Diode Virtual"}, {"TC0F", "CPU Diode Filtered"},
         {"TC0H", "CPU Heatsink"}, {"TC0P", "CPU Proximity"}, {"TCAD", "CPU Package"}, {"TC%c", "CPU Core %"},
         {"TC%C", "CPU Core %"}});
    run(list, T::thermal, G::gpu, allFour,
        {{"TCGC", "GPU Intel Graphics"}, {"TG0D", "GPU Diode"}, {"TGDD", "GPU AMD Radeon"}, {"TG0H", "GPU Heatsink"},
         {"TG0P", "GPU Proximity"}});
    run(list, T::thermal, G::system, allFour, {{"Tm0P", "Mainboard"}});
    run(list, T::thermal, G::system, intelOnly, {{"Tp0P", "Powerboard"}, {"TB1T", "Battery"}});
    run(list, T::thermal, G::system, allFour,
        {{"TL0P", "Display"}, {"TI%P", "Thunderbolt %"}, {"TH%A", "Disk % (A)"}, {"TH%B", "Disk % (B)"},
         {"TH%C", "Disk % (C)"}, {"TTLD", "Thunderbolt Left"}, {"TTRD", "Thunderbolt Right"},
         {"TN0D", "Northbridge Diode"}, {"TN0H", "Northbridge Heatsink"}, {"TN0P", "Northbridge Proximity"}});
    run(list, T::thermal, G::processor, m1Only,
        {{"Tp09", "CPU Efficiency Core 1"}, {"Tp0T", "CPU Efficiency Core 2"}, {"Tp01", "CPU Performance Core 1"},
         {"Tp05", "CPU Performance Core 2"}, {"Tp0D", "CPU Performance Core 3"}, {"Tp0H", "CPU Performance Core 4"},
         {"Tp0L", "CPU Performance Core 5"}, {"Tp0P", "CPU Performance Core 6"}, {"Tp0X", "CPU Performance Core 7"},
         {"Tp0b", "CPU Performance Core 8"}});
    run(list, T::thermal, G::gpu, m1Only,
        {{"Tg05", "GPU Cluster 1"}, {"Tg0D", "GPU Cluster 2"}, {"Tg0L", "GPU Cluster 3"}, {"Tg0T", "GPU Cluster 4"}});
    run(list, T::thermal, G::system, m1Only,
        {{"Tm02", "Memory 1"}, {"Tm06", "Memory 2"}, {"Tm08", "Memory 3"}, {"Tm09", "Memory 4"}});
    run(list, T::thermal, G::processor, m2Only,
        {{"Tp1h", "CPU Efficiency Core 1"}, {"Tp1t", "CPU Efficiency Core 2"}, {"Tp1p", "CPU Efficiency Core 3"},
         {"Tp1l", "CPU Efficiency Core 4"}, {"Tp01", "CPU Performance Core 1"}, {"Tp05", "CPU Performance Core 2"},
         {"Tp09", "CPU Performance Core 3"}, {"Tp0D", "CPU Performance Core 4"}, {"Tp0X", "CPU Performance Core 5"},
         {"Tp0b", "CPU Performance Core 6"}, {"Tp0f", "CPU Performance Core 7"}, {"Tp0j", "CPU Performance Core 8"}});
    run(list, T::thermal, G::gpu, m2Only, {{"Tg0f", "GPU Cluster 1"}, {"Tg0j", "GPU Cluster 2"}});
    run(list, T::thermal, G::processor, m3Only,
        {{"Te05", "CPU Efficiency Core 1"},   {"Te0L", "CPU Efficiency Core 2"},
         {"Te0P", "CPU Efficiency Core 3"},   {"Te0S", "CPU Efficiency Core 4"},
         {"Tf04", "CPU Performance Core 1"},  {"Tf09", "CPU Performance Core 2"},
         {"Tf0A", "CPU Performance Core 3"},  {"Tf0B", "CPU Performance Core 4"},
         {"Tf0D", "CPU Performance Core 5"},  {"Tf0E", "CPU Performance Core 6"},
         {"Tf44", "CPU Performance Core 7"},  {"Tf49", "CPU Performance Core 8"},
         {"Tf4A", "CPU Performance Core 9"},  {"Tf4B", "CPU Performance Core 10"},
         {"Tf4D", "CPU Performance Core 11"}, {"Tf4E", "CPU Performance Core 12"},
         {"Tf14", "GPU Cluster 1"},           {"Tf18", "GPU Cluster 2"},
         {"Tf19", "GPU Cluster 3"},           {"Tf1A", "GPU Cluster 4"},
         {"Tf24", "GPU Cluster 5"},           {"Tf28", "GPU Cluster 6"},
         {"Tf29", "GPU Cluster 7"},           {"Tf2A", "GPU Cluster 8"}});
    run(list, T::thermal, G::sensor, appleSilicon, {{"TaLP", "Airflow Left"}, {"TaRF", "Airflow Right"}});
    run(list, T::thermal, G::system, appleSilicon,
        {{"TH0x", "NAND"}, {"TB1T", "Battery 1"}, {"TB2T", "Battery 2"}, {"TW0P", "Airport"}});
    run(list, T::voltage, G::processor, allFour, {{"VCAC", "CPU IA"}, {"VCSC", "CPU System Agent"}, {"VC%C", "CPU Core %"}});
    run(list, T::voltage, G::gpu, allFour, {{"VCTC", "GPU Intel Graphics"}, {"VG0C", "GPU"}});
    run(list, T::voltage, G::system, allFour, {{"VM0R", "Memory"}, {"Vb0R", "CMOS"}});
    run(list, T::voltage, G::sensor, allFour,
        {{"VD0R", "DC In"}, {"VP0R", "12V Rail"}, {"Vp0C", "12V vcc"}, {"VV2S", "3V"}, {"VR3R", "3.3V"}, {"VV1S", "5V"},
         {"VV9S", "12V"}, {"VeES", "PCI 12V"}});
    run(list, T::current, G::sensor, allFour,
        {{"IC0R", "CPU High side"}, {"IG0R", "GPU High side"}, {"ID0R", "DC In"}, {"IBAC", "Battery"},
         {"IDBR", "Brightness"}, {"IU1R", "Thunderbolt Left"}, {"IU2R", "Thunderbolt Right"}});
    run(list, T::power, G::processor, allFour,
        {{"PC0C", "CPU Core"}, {"PCAM", "CPU Core (IMON)"}, {"PCPC", "CPU Package"}, {"PCTR", "CPU Total"},
         {"PCPT", "CPU Package total"}, {"PCPR", "CPU Package total (SMC)"}, {"PC0R", "CPU Computing high side"},
         {"PC0G", "CPU GFX"}, {"PCEC", "CPU VccEDRAM"}});
    run(list, T::power, G::gpu, allFour, {{"PG0C", "GPU"}});
    run(list, T::power, G::system, allFour, {{"PMTR", "Memory Total"}});
    run(list, T::power, G::gpu, allFour,
        {{"PG1R", "GPU 2"}, {"PCPG", "GPU Intel Graphics"}, {"PG0R", "GPU"}, {"PCGC", "Intel GPU"},
         {"PCGM", "Intel GPU (IMON)"}});
    run(list, T::power, G::sensor, allFour,
        {{"PC3C", "RAM"}, {"PPBR", "Battery"}, {"PDTR", "DC In"}, {"PSTR", "System Total"}, {"PU1R", "Thunderbolt Left"},
         {"PU2R", "Thunderbolt Right"}});
    run(list, T::power, G::sensor, m1Only, {{"PDBR", "Power Delivery Brightness"}});
    return list;
}

SensorList buildNamePatterns()
{
    using G = SensorGroup;
    SensorList list;
    list.reserve(11);
    const auto add = [&list](const char* identifier, const char* description, SensorGroup group) {
        list.push_back(Sensor::make(QString::fromLatin1(identifier), QString::fromLatin1(description), group,
                                    SensorType::thermal, allFour));
    };
    add("pACC MTR Temp Sensor%", "CPU Performance Core %", G::processor);
    add("eACC MTR Temp Sensor%", "CPU Efficiency Core %", G::processor);
    add("GPU MTR Temp Sensor%", "GPU Core Cluster %", G::gpu);
    add("SOC MTR Temp Sensor%", "SOC Core Cluster %", G::sensor);
    add("ANE MTR Temp Sensor%", "Neural Engine %", G::sensor);
    add("ISP MTR Temp Sensor%", "Image Signal Processor %", G::sensor);
    add("PMGR SOC Die Temp Sensor%", "Power Manager Die %", G::sensor);
    add("PMU tdev%", "Power management unit dev %", G::sensor);
    add("PMU tdie%", "Power management unit die %", G::sensor);
    add("gas gauge battery", "Battery", G::sensor);
    // A disk's temperature: named by its channel and filed with the system's sensors.
    add("NAND CH% temp", "Disk %", G::system);
    return list;
}

} // namespace

const SensorList& Sensors::smcCatalogue()
{
    static const SensorList list = buildCatalogue();
    return list;
}

const SensorList& Sensors::namePatterns()
{
    static const SensorList list = buildNamePatterns();
    return list;
}

} // namespace ThermionKit
