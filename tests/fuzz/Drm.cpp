// A graphics card's DRM and hwmon files as the card's registry entries read them: a captured card
// whose busy, memory, clock and sensor files hold the parts of the input.
#include "FuzzInput.h"

#include "Platform/Registry/DrmRegistryAdapter.h"

namespace {

const char* const files[] = {
    "device/uevent", "device/gpu_busy_percent", "device/mem_info_vram_total", "device/mem_info_vram_used",
    "device/mem_info_gtt_total", "device/mem_info_gtt_used", "device/pp_dpm_sclk", "device/pp_dpm_mclk",
    "device/product_name", "device/power/runtime_status", "device/hwmon/hwmon4/temp1_input",
    "device/hwmon/hwmon4/power1_average", "device/hwmon/hwmon4/fan1_input", "device/hwmon/hwmon4/pwm1",
    "device/hwmon/hwmon4/freq1_input", "device/hwmon/hwmon4/freq2_input", "device/vendor", "device/device"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString root = FuzzInput::fixtureCopy("SystemKit/drm/vega56");
    const auto parts = FuzzInput::parts(data, size, std::size(files));
    for (std::size_t i = 0; i < std::size(files); ++i)
        FuzzInput::write(root, QStringLiteral("sys/class/drm/card0/") + QLatin1String(files[i]), parts[i]);
    Platform::DrmRegistryAdapter::activeClock(std::string_view(parts[6].constData(), std::size_t(parts[6].size())));
    Platform::DrmRegistryAdapter adapter(root);
    for (const auto& node : adapter.entries())
        adapter.properties(node.path);
    return 0;
}
