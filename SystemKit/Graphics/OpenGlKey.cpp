#include "SystemKit/Graphics/OpenGlKey.h"

#include "BaseKit/IO.h"
#include "SystemKit/SystemKitStrings.h"

#include <QHash>

#include <cmath>

namespace SystemKit {

namespace {

struct KeyRow {
    const char* caseName;
    const char* rawValue;
    GraphicsCardKeyCategory::Case category;
};

// Case name, raw value and category of every key, in case order.
constexpr std::array<KeyRow, OpenGlKey::caseCount> kKeys{{
    {"command2DBytes", "command2DBytes", GraphicsCardKeyCategory::memory},
    {"context2DSwitchCount", "context2DSwitchCount", GraphicsCardKeyCategory::count},
    {"context2DCount", "context2DCount", GraphicsCardKeyCategory::count},
    {"gartMapInBytes", "gartMapInBytes", GraphicsCardKeyCategory::memory},
    {"gartMapOutBytes", "gartMapOutBytes", GraphicsCardKeyCategory::memory},
    {"bufferSwapCount", "bufferSwapCount", GraphicsCardKeyCategory::count},
    {"texturePageOffWaitTime", "texturePageOffWaitTime", GraphicsCardKeyCategory::latency},
    {"texturePageInWaitTime", "texturePageInWaitTime", GraphicsCardKeyCategory::latency},
    {"textureWaitTime", "textureWaitTime", GraphicsCardKeyCategory::latency},
    {"finish2DWaitTime", "finish2DWaitTime", GraphicsCardKeyCategory::latency},
    {"swapComplete2DWaitTime", "swapComplete2DWaitTime", GraphicsCardKeyCategory::latency},
    {"finishDVDWaitTime", "finishDVDWaitTime", GraphicsCardKeyCategory::latency},
    {"swapCompleteDVDWaitTime", "swapCompleteDVDWaitTime", GraphicsCardKeyCategory::latency},
    {"freeCommandBuffer2DWaitTime", "freeCommandBuffer2DWaitTime", GraphicsCardKeyCategory::latency},
    {"freeCommandBufferGLWaitTime", "freeCommandBufferGLWaitTime", GraphicsCardKeyCategory::latency},
    {"freeDataBufferGLWaitTime", "freeDataBufferGLWaitTime", GraphicsCardKeyCategory::latency},
    {"freeContextBuffer2DWaitTime", "freeContextBuffer2DWaitTime", GraphicsCardKeyCategory::latency},
    {"freeContextBufferGLWaitTime", "freeContextBufferGLWaitTime", GraphicsCardKeyCategory::latency},
    {"freeContextBufferDVDWaitTime", "freeContextBufferDVDWaitTime", GraphicsCardKeyCategory::latency},
    {"hardwareWaitTime", "hardwareWaitTime", GraphicsCardKeyCategory::latency},
    {"removeFromGARTWaitTime", "removeFromGARTWaitTime", GraphicsCardKeyCategory::latency},
    {"swapCompleteGLWaitTime", "swapCompleteGLWaitTime", GraphicsCardKeyCategory::latency},
    {"finishAll2DWaitTime", "finishAll2DWaitTime", GraphicsCardKeyCategory::latency},
    {"finishGLWaitTime", "finishGLWaitTime", GraphicsCardKeyCategory::latency},
    {"clientGLWaitTime", "clientGLWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceReadLockIdleWaitTime", "surfaceReadLockIdleWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceSetShapeIdleWaitTime", "surfaceSetShapeIdleWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceWriteLockIdleWaitTime", "surfaceWriteLockIdleWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceCopyOutWaitTime", "surfaceCopyOutWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceCopyInWaitTime", "surfaceCopyInWaitTime", GraphicsCardKeyCategory::latency},
    {"hardwareSubmitWaitTime", "hardwareSubmitWaitTime", GraphicsCardKeyCategory::latency},
    {"gartSizeBytes", "gartSizeBytes", GraphicsCardKeyCategory::memory},
    {"gartFreeBytes", "gartFreeBytes", GraphicsCardKeyCategory::memory},
    {"gartUsedBytes", "gartUsedBytes", GraphicsCardKeyCategory::memory},
    {"vramFreeBytes", "vramFreeBytes", GraphicsCardKeyCategory::memory},
    {"vramLargestFree", "vramLargestFree", GraphicsCardKeyCategory::memory},
    {"vramUsedBytes", "vramUsedBytes", GraphicsCardKeyCategory::memory},
    {"commandDVDBytes", "commandDVDBytes", GraphicsCardKeyCategory::memory},
    {"contextDVDSwitchCount", "contextDVDSwitchCount", GraphicsCardKeyCategory::count},
    {"contextDVDCount", "contextDVDCount", GraphicsCardKeyCategory::count},
    {"dataGLBytes", "dataGLBytes", GraphicsCardKeyCategory::memory},
    {"submitStamp", "submitStamp", GraphicsCardKeyCategory::count},
    {"lastReadStamp", "lastReadStamp", GraphicsCardKeyCategory::count},
    {"commandGLBytes", "commandGLBytes", GraphicsCardKeyCategory::memory},
    {"contextGLCountcontextGLCount", "contextGLCountcontextGLCount", GraphicsCardKeyCategory::count},
    {"dataBufferCount", "dataBufferCount", GraphicsCardKeyCategory::count},
    {"contextGLSwitchCount", "contextGLSwitchCount", GraphicsCardKeyCategory::count},
    {"surfacePageOffBytes", "surfacePageOffBytes", GraphicsCardKeyCategory::memory},
    {"surfacePageInBytes", "surfacePageInBytes", GraphicsCardKeyCategory::memory},
    {"surfaceCount", "surfaceCount", GraphicsCardKeyCategory::texture},
    {"swapBytes", "swapBytes", GraphicsCardKeyCategory::memory},
    {"gartCacheBytes", "gartCacheBytes", GraphicsCardKeyCategory::memory},
    {"texturePageOutBytes", "texturePageOutBytes", GraphicsCardKeyCategory::memory},
    {"texturePageInBytes", "texturePageInBytes", GraphicsCardKeyCategory::memory},
    {"textureCount", "textureCount", GraphicsCardKeyCategory::texture},
    {"commandBytes", "commandBytes", GraphicsCardKeyCategory::memory},
    {"orphanedNonReusableVidMemoryCount", "orphanedNonReusableVidMemoryCount", GraphicsCardKeyCategory::count},
    {"gartMapInBytesPerSample", "gartMapInBytesPerSample", GraphicsCardKeyCategory::count},
    {"contextCLCount", "contextCLCount", GraphicsCardKeyCategory::count},
    {"finishVideoWaitTime", "finishVideoWaitTime", GraphicsCardKeyCategory::latency},
    {"agpTextureCreationCount", "agpTextureCreationCount", GraphicsCardKeyCategory::count},
    {"iosurfaceTextureCreationCount", "iosurfaceTextureCreationCount", GraphicsCardKeyCategory::count},
    {"ioSurfaceReadOutBytes", "ioSurfaceReadOutBytes", GraphicsCardKeyCategory::memory},
    {"agpTextureCreationBytes", "agpTextureCreationBytes", GraphicsCardKeyCategory::memory},
    {"contextVideoCount", "contextVideoCount", GraphicsCardKeyCategory::count},
    {"textureReadOutBytes", "textureReadOutBytes", GraphicsCardKeyCategory::memory},
    {"orphanedReusableSysMemoryBytes", "orphanedReusableSysMemoryBytes", GraphicsCardKeyCategory::memory},
    {"iosurfaceTextureCreationBytes", "iosurfaceTextureCreationBytes", GraphicsCardKeyCategory::memory},
    {"textureVolunteerUnloadBytes", "textureVolunteerUnloadBytes", GraphicsCardKeyCategory::memory},
    {"inUseSysMemoryBytes", "inUseSysMemoryBytes", GraphicsCardKeyCategory::memory},
    {"orphanedNonReusableSysMemoryCount", "orphanedNonReusableSysMemoryCount", GraphicsCardKeyCategory::count},
    {"oolTexturePageInBytes", "oolTexturePageInBytes", GraphicsCardKeyCategory::memory},
    {"surfaceBufferTextureCreationCount", "surfaceBufferTextureCreationCount", GraphicsCardKeyCategory::count},
    {"swapBytesPerSample", "swapBytesPerSample", GraphicsCardKeyCategory::count},
    {"orphanedReusableVidMemoryCount", "orphanedReusableVidMemoryCount", GraphicsCardKeyCategory::count},
    {"orphanedReusableSysMemoryHitRate", "orphanedReusableSysMemoryHitRate", GraphicsCardKeyCategory::count},
    {"ioSurfacePageInBytes", "ioSurfacePageInBytes", GraphicsCardKeyCategory::memory},
    {"recoveryCount", "recoveryCount", GraphicsCardKeyCategory::count},
    {"inUseVidMemoryBytes", "inUseVidMemoryBytes", GraphicsCardKeyCategory::memory},
    {"freeSurfaceSwapBufferWaitTime", "freeSurfaceSwapBufferWaitTime", GraphicsCardKeyCategory::count},
    {"clientSharedAllocatedBytes", "clientSharedAllocatedBytes", GraphicsCardKeyCategory::memory},
    {"agprefTextureCreationBytes", "agprefTextureCreationBytes", GraphicsCardKeyCategory::memory},
    {"surfaceBufferPageInBytes", "surfaceBufferPageInBytes", GraphicsCardKeyCategory::memory},
    {"orphanedReusableVidMemoryBytes", "orphanedReusableVidMemoryBytes", GraphicsCardKeyCategory::memory},
    {"oolTextureCreationBytes", "oolTextureCreationBytes", GraphicsCardKeyCategory::memory},
    {"stdTextureCreationCount", "stdTextureCreationCount", GraphicsCardKeyCategory::texture},
    {"surfaceBufferReadOutBytes", "surfaceBufferReadOutBytes", GraphicsCardKeyCategory::memory},
    {"orphanedReusableVidMemoryHitRate", "orphanedReusableVidMemoryHitRate", GraphicsCardKeyCategory::count},
    {"orphanedReusableSysMemoryCount", "orphanedReusableSysMemoryCount", GraphicsCardKeyCategory::count},
    {"stdTexturePageInBytes", "stdTexturePageInBytes", GraphicsCardKeyCategory::texture},
    {"dataBytesPerSample", "dataBytesPerSample", GraphicsCardKeyCategory::count},
    {"stdTextureCreationBytes", "stdTextureCreationBytes", GraphicsCardKeyCategory::count},
    {"orphanedNonReusableSysMemoryBytes", "orphanedNonReusableSysMemoryBytes", GraphicsCardKeyCategory::count},
    {"volatileSurfaceCount", "volatileSurfaceCount", GraphicsCardKeyCategory::texture},
    {"bufferFlipCount", "bufferFlipCount", GraphicsCardKeyCategory::count},
    {"freeToAllocGPUAddressWaitTime", "freeToAllocGPUAddressWaitTime", GraphicsCardKeyCategory::latency},
    {"surfaceBufferPageOutBytes", "surfaceBufferPageOutBytes", GraphicsCardKeyCategory::memory},
    {"oolTextureCreationCount", "oolTextureCreationCount", GraphicsCardKeyCategory::texture},
    {"freeDataBufferWaitTime", "freeDataBufferWaitTime", GraphicsCardKeyCategory::latency},
    {"orphanedNonReusableVidMemoryBytes", "orphanedNonReusableVidMemoryBytes", GraphicsCardKeyCategory::memory},
    {"ioSurfacePageOutBytes", "ioSurfacePageOutBytes", GraphicsCardKeyCategory::memory},
    {"agprefTextureCreationCount", "agprefTextureCreationCount", GraphicsCardKeyCategory::texture},
    {"surfaceTextureCreationCount", "surfaceTextureCreationCount", GraphicsCardKeyCategory::texture},
    {"fanSpeedRpm", "Fan Speed(RPM)", GraphicsCardKeyCategory::fan},
    {"gpuActivityPercentage", "GPU Activity(%)", GraphicsCardKeyCategory::utilization},
    {"totalPowerWatts", "Total Power(W)", GraphicsCardKeyCategory::general},
    {"temperature", "Temperature(C)", GraphicsCardKeyCategory::general},
    {"coreClockMhz", "Core Clock(MHz)", GraphicsCardKeyCategory::general},
    {"memoryClockMhz", "Memory Clock(MHz)", GraphicsCardKeyCategory::general},
    {"fanSpeedPercentage", "Fan Speed(%)", GraphicsCardKeyCategory::utilization},
    {"deviceUnit1Utilization", "Device Unit 1 Utilization %", GraphicsCardKeyCategory::utilization},
    {"deviceUnit2Utilization", "Device Unit 2 Utilization %", GraphicsCardKeyCategory::utilization},
    {"deviceUnit3Utilization", "Device Unit 3 Utilization %", GraphicsCardKeyCategory::utilization},
    {"tiledSceneBytes", "TiledSceneBytes", GraphicsCardKeyCategory::memory},
    {"allocSystemMemory", "Allow system memory", GraphicsCardKeyCategory::memory},
    {"tilerUtilization", "Tiler Utilization", GraphicsCardKeyCategory::utilization},
    {"rendererUtilization", "Renderer Utilization %", GraphicsCardKeyCategory::utilization},
    {"inUseSystemMemory", "In use system memory", GraphicsCardKeyCategory::memory},
    {"deviceUtilization", "Device Utilization %", GraphicsCardKeyCategory::utilization},
    {"allocatedPBSize", "Allocated PB Size", GraphicsCardKeyCategory::memory},
    {"allowSystemMemory", "Alloc system memory", GraphicsCardKeyCategory::memory},
    {"tileUtilization", "Tiler Utilization %", GraphicsCardKeyCategory::utilization},
    {"splitSceneCount", "SplitSceneCount", GraphicsCardKeyCategory::count},
    {"contextGLCount", "contextGLCount", GraphicsCardKeyCategory::count},
    {"gartMapOutBytesPerSample", "gartMapOutBytesPerSample", GraphicsCardKeyCategory::memory},
    {"finishCLWaitTime", "finishCLWaitTime", GraphicsCardKeyCategory::latency},
    {"vramEvictionWaitTime", "vramEvictionWaitTime", GraphicsCardKeyCategory::latency},
    {"swapCompleteVideoWaitTime", "swapCompleteVideoWaitTime", GraphicsCardKeyCategory::latency},
    {"freeSurfaceBackingWaitTime", "freeSurfaceBackingWaitTime", GraphicsCardKeyCategory::latency},
    {"hwChannelGfxCommandCompleted", "HWChannel GFX | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelSamuRbiCommandCompleted", "HWChannel SAMU RBI | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelUVDEncLLQCommandsCompleted", "HWChannel UVDEncLLQ | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelUVDEncCommandsSubmitted", "HWChannel UVDEnc | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCommandsCompleted", "HWChannel UVDDec | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute1CommandsCompleted", "HWChannel Compute1 | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelsDMA1CommandsSubmitted", "HWChannel sDMA1 | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelSamuRBICommandsSubmitted", "HWChannel SAMU RBI | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelsDMA0CommandsCompleted", "HWChannel sDMA0 | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelSDMA0CommandsSubmitted", "HWChannel sDMA0 | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelKIQCommandsCompleted", "HWChannel KIQ | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelVCECommandsCompleted", "HWChannel VCE | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute0CommandsCompleted", "HWChannel Compute0 | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelVCELLQCommandsCompleted", "HWChannel VCELLQ | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelSAMUGPCOMCommandsSubmitted", "HWChannel SAMU GPCOM | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelVCELLQCommandsSubmitted", "HWChannel VCELLQ | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelKIQCommandsSubmitted", "HWChannel KIQ | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelVCECommandsSubmitted", "HWChannel VCE | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute1", "HWChannel Compute1 | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelUVDEncLLQ", "HWChannel UVDEncLLQ | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute0", "HWChannel Compute0 | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelGFXCommandsSubmitted", "HWChannel GFX | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelsDMA1CommandsCompleted", "HWChannel sDMA1 | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute2CommandsSubmitted", "HWChannel Compute2 | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelUVDDecCommandsSubmitted", "HWChannel UVDDec | Commands Submitted", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelCompute2CommandsCompleted", "HWChannel Compute2 | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelUVDEncCommandsCompleted", "HWChannel UVDEnc | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"hwChannelSamuGPComCommandsCompleted", "HWChannel SAMU GPCOM | Commands Completed", GraphicsCardKeyCategory::hardwareChannel},
    {"deviceUnitZeroUtilizationPercent", "Device Unit 0 Utilization %", GraphicsCardKeyCategory::utilization},
    {"deviceUtilizationAtCurrentPowerState", "Device Utilization % at cur p-state", GraphicsCardKeyCategory::utilization},
    {"inUseSystemMemoryDriver", "In use system memory (driver)", GraphicsCardKeyCategory::memory},
    {"lastRecoveryTime", "lastRecoveryTime", GraphicsCardKeyCategory::latency},
}};

struct KeyTexts {
    std::array<QString, OpenGlKey::caseCount> caseNames;
    std::array<QString, OpenGlKey::caseCount> rawValues;
    QHash<QString, OpenGlKey> byRawValue;
};

const KeyTexts& texts()
{
    static const KeyTexts table = [] {
        KeyTexts t;
        t.byRawValue.reserve(OpenGlKey::caseCount);
        for (std::size_t i = 0; i < OpenGlKey::caseCount; ++i) {
            t.caseNames[i] = QString::fromLatin1(kKeys[i].caseName);
            t.rawValues[i] = QString::fromLatin1(kKeys[i].rawValue);
            t.byRawValue.insert(t.rawValues[i], OpenGlKey(OpenGlKey::Case(i)));
        }
        return t;
    }();
    return table;
}

constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr double kTwoTo64 = 18446744073709551616.0;
constexpr double kTwoTo32 = 4294967296.0;

// The signed whole number of a value, cut toward zero; none when it has none.
std::optional<std::int64_t> signedWhole(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double t = std::trunc(value);
    if (t < -kTwoTo63 || t >= kTwoTo63)
        return std::nullopt;
    return std::int64_t(t);
}

// The unsigned whole number of a value, a negative value counting as 0; none when it has none.
std::optional<std::uint64_t> unsignedWhole(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value < 0)
        return 0;
    const double t = std::trunc(value);
    if (t >= kTwoTo64)
        return std::nullopt;
    return std::uint64_t(t);
}

QString withUnit(double value, const char* unit)
{
    const auto whole = signedWhole(value);
    return whole ? QString::number(*whole) + QString::fromUtf8(unit) : QStringLiteral("-");
}

} // namespace

std::optional<OpenGlKey> OpenGlKey::fromRawValue(QStringView rawValue)
{
    const auto& table = texts().byRawValue;
    const auto found = table.constFind(rawValue.toString());
    if (found == table.constEnd())
        return std::nullopt;
    return *found;
}

const std::array<OpenGlKey, OpenGlKey::caseCount>& OpenGlKey::allCases()
{
    static const std::array<OpenGlKey, caseCount> cases = [] {
        std::array<OpenGlKey, caseCount> all;
        for (std::size_t i = 0; i < caseCount; ++i)
            all[i] = OpenGlKey(Case(i));
        return all;
    }();
    return cases;
}

const QString& OpenGlKey::rawValue() const
{
    return texts().rawValues[m_case];
}

const QString& OpenGlKey::caseName() const
{
    return texts().caseNames[m_case];
}

const QString& OpenGlKey::localizedName() const
{
    // The string table is loaded once per process, so the names are looked up once.
    static const std::array<QString, caseCount> names = [] {
        std::array<QString, caseCount> all;
        for (std::size_t i = 0; i < caseCount; ++i)
            all[i] = localizedString(texts().caseNames[i]);
        return all;
    }();
    return names[m_case];
}

GraphicsCardKeyCategory OpenGlKey::category() const
{
    return GraphicsCardKeyCategory(kKeys[m_case].category);
}

QString OpenGlKey::symbolName() const
{
    switch (category()) {
    case GraphicsCardKeyCategory::memory:
        return QStringLiteral("memorychip");
    case GraphicsCardKeyCategory::fan:
        return QStringLiteral("fanblades.fill");
    case GraphicsCardKeyCategory::utilization:
        return QStringLiteral("gauge");
    default:
        break;
    }
    switch (m_case) {
    case textureCount:
        return QStringLiteral("rectangle.grid.2x2.fill");
    case totalPowerWatts:
        return QStringLiteral("bolt.fill");
    case temperature:
        return QStringLiteral("flame.fill");
    case coreClockMhz:
    case memoryClockMhz:
        return QStringLiteral("gauge");
    default:
        return QStringLiteral("cpu");
    }
}

bool OpenGlKey::isCoreMetric() const
{
    switch (m_case) {
    case vramFreeBytes: case vramLargestFree: case vramUsedBytes: case surfaceCount: case textureCount:
    case inUseSysMemoryBytes: case deviceUnitZeroUtilizationPercent: case deviceUtilizationAtCurrentPowerState:
        return true;
    default:
        return (m_case >= fanSpeedRpm && m_case <= deviceUnit3Utilization)
            || (m_case >= allocSystemMemory && m_case <= deviceUtilization);
    }
}

bool OpenGlKey::isHardwareMetric() const
{
    return (m_case >= gartSizeBytes && m_case <= vramUsedBytes) || (m_case >= totalPowerWatts && m_case <= memoryClockMhz);
}

QString OpenGlKey::valueText(double value) const
{
    if (category() == GraphicsCardKeyCategory::memory) {
        const auto bytes = unsignedWhole(value);
        return bytes ? BaseKit::IO::sizeText(*bytes) : QStringLiteral("-");
    }
    switch (m_case) {
    case hardwareWaitTime:
        return withUnit(std::isfinite(value) ? value / 100000.0 : value, "");
    case fanSpeedRpm: {
        if (!std::isfinite(value))
            return QStringLiteral("-");
        const double t = std::trunc(value);
        if (t <= -1 || t >= kTwoTo32)
            return QStringLiteral("-");
        return QString::number(std::uint32_t(t)) + QLatin1String(" Rpm");
    }
    case gpuActivityPercentage: case fanSpeedPercentage: case deviceUnit1Utilization: case deviceUnit2Utilization:
    case deviceUnit3Utilization: case tilerUtilization: case rendererUtilization: case deviceUtilization:
        return withUnit(value, " %");
    case totalPowerWatts:
        return withUnit(value, " W");
    case temperature:
        return withUnit(value, " \u00B0C");
    case coreClockMhz:
    case memoryClockMhz:
        return withUnit(value, " Mhz");
    default: {
        const auto whole = unsignedWhole(value);
        return whole ? QString::number(*whole) : QStringLiteral("-");
    }
    }
}

} // namespace SystemKit
