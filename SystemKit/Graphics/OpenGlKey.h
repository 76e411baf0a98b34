#pragma once

#include "SystemKit/Graphics/GraphicsCardKeyCategory.h"

#include <QHashFunctions>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace SystemKit {

// The catalogue of the graphics-card counter names the program understands: one case per name a
// driver publishes in a card's performance statistics, with its dictionary text (the raw value), its
// display name, its category, a symbol name and the rule that turns its value into text. The cases
// and their order are fixed: the position of a case is its index.
//
// Raw values are matched exactly and case-sensitively. Some pairs look crossed and are meant so:
// `allocSystemMemory` is "Allow system memory" and `allowSystemMemory` is "Alloc system memory";
// `tilerUtilization` is "Tiler Utilization" and `tileUtilization` "Tiler Utilization %";
// `contextGLCountcontextGLCount` and `contextGLCount` are two keys.
class OpenGlKey
{
public:
    enum Case : std::uint8_t {
        command2DBytes = 0,
        context2DSwitchCount = 1,
        context2DCount = 2,
        gartMapInBytes = 3,
        gartMapOutBytes = 4,
        bufferSwapCount = 5,
        texturePageOffWaitTime = 6,
        texturePageInWaitTime = 7,
        textureWaitTime = 8,
        finish2DWaitTime = 9,
        swapComplete2DWaitTime = 10,
        finishDVDWaitTime = 11,
        swapCompleteDVDWaitTime = 12,
        freeCommandBuffer2DWaitTime = 13,
        freeCommandBufferGLWaitTime = 14,
        freeDataBufferGLWaitTime = 15,
        freeContextBuffer2DWaitTime = 16,
        freeContextBufferGLWaitTime = 17,
        freeContextBufferDVDWaitTime = 18,
        hardwareWaitTime = 19,
        removeFromGARTWaitTime = 20,
        swapCompleteGLWaitTime = 21,
        finishAll2DWaitTime = 22,
        finishGLWaitTime = 23,
        clientGLWaitTime = 24,
        surfaceReadLockIdleWaitTime = 25,
        surfaceSetShapeIdleWaitTime = 26,
        surfaceWriteLockIdleWaitTime = 27,
        surfaceCopyOutWaitTime = 28,
        surfaceCopyInWaitTime = 29,
        hardwareSubmitWaitTime = 30,
        gartSizeBytes = 31,
        gartFreeBytes = 32,
        gartUsedBytes = 33,
        vramFreeBytes = 34,
        vramLargestFree = 35,
        vramUsedBytes = 36,
        commandDVDBytes = 37,
        contextDVDSwitchCount = 38,
        contextDVDCount = 39,
        dataGLBytes = 40,
        submitStamp = 41,
        lastReadStamp = 42,
        commandGLBytes = 43,
        contextGLCountcontextGLCount = 44,
        dataBufferCount = 45,
        contextGLSwitchCount = 46,
        surfacePageOffBytes = 47,
        surfacePageInBytes = 48,
        surfaceCount = 49,
        swapBytes = 50,
        gartCacheBytes = 51,
        texturePageOutBytes = 52,
        texturePageInBytes = 53,
        textureCount = 54,
        commandBytes = 55,
        orphanedNonReusableVidMemoryCount = 56,
        gartMapInBytesPerSample = 57,
        contextCLCount = 58,
        finishVideoWaitTime = 59,
        agpTextureCreationCount = 60,
        iosurfaceTextureCreationCount = 61,
        ioSurfaceReadOutBytes = 62,
        agpTextureCreationBytes = 63,
        contextVideoCount = 64,
        textureReadOutBytes = 65,
        orphanedReusableSysMemoryBytes = 66,
        iosurfaceTextureCreationBytes = 67,
        textureVolunteerUnloadBytes = 68,
        inUseSysMemoryBytes = 69,
        orphanedNonReusableSysMemoryCount = 70,
        oolTexturePageInBytes = 71,
        surfaceBufferTextureCreationCount = 72,
        swapBytesPerSample = 73,
        orphanedReusableVidMemoryCount = 74,
        orphanedReusableSysMemoryHitRate = 75,
        ioSurfacePageInBytes = 76,
        recoveryCount = 77,
        inUseVidMemoryBytes = 78,
        freeSurfaceSwapBufferWaitTime = 79,
        clientSharedAllocatedBytes = 80,
        agprefTextureCreationBytes = 81,
        surfaceBufferPageInBytes = 82,
        orphanedReusableVidMemoryBytes = 83,
        oolTextureCreationBytes = 84,
        stdTextureCreationCount = 85,
        surfaceBufferReadOutBytes = 86,
        orphanedReusableVidMemoryHitRate = 87,
        orphanedReusableSysMemoryCount = 88,
        stdTexturePageInBytes = 89,
        dataBytesPerSample = 90,
        stdTextureCreationBytes = 91,
        orphanedNonReusableSysMemoryBytes = 92,
        volatileSurfaceCount = 93,
        bufferFlipCount = 94,
        freeToAllocGPUAddressWaitTime = 95,
        surfaceBufferPageOutBytes = 96,
        oolTextureCreationCount = 97,
        freeDataBufferWaitTime = 98,
        orphanedNonReusableVidMemoryBytes = 99,
        ioSurfacePageOutBytes = 100,
        agprefTextureCreationCount = 101,
        surfaceTextureCreationCount = 102,
        fanSpeedRpm = 103,
        gpuActivityPercentage = 104,
        totalPowerWatts = 105,
        temperature = 106,
        coreClockMhz = 107,
        memoryClockMhz = 108,
        fanSpeedPercentage = 109,
        deviceUnit1Utilization = 110,
        deviceUnit2Utilization = 111,
        deviceUnit3Utilization = 112,
        tiledSceneBytes = 113,
        allocSystemMemory = 114,
        tilerUtilization = 115,
        rendererUtilization = 116,
        inUseSystemMemory = 117,
        deviceUtilization = 118,
        allocatedPBSize = 119,
        allowSystemMemory = 120,
        tileUtilization = 121,
        splitSceneCount = 122,
        contextGLCount = 123,
        gartMapOutBytesPerSample = 124,
        finishCLWaitTime = 125,
        vramEvictionWaitTime = 126,
        swapCompleteVideoWaitTime = 127,
        freeSurfaceBackingWaitTime = 128,
        hwChannelGfxCommandCompleted = 129,
        hwChannelSamuRbiCommandCompleted = 130,
        hwChannelUVDEncLLQCommandsCompleted = 131,
        hwChannelUVDEncCommandsSubmitted = 132,
        hwChannelCommandsCompleted = 133,
        hwChannelCompute1CommandsCompleted = 134,
        hwChannelsDMA1CommandsSubmitted = 135,
        hwChannelSamuRBICommandsSubmitted = 136,
        hwChannelsDMA0CommandsCompleted = 137,
        hwChannelSDMA0CommandsSubmitted = 138,
        hwChannelKIQCommandsCompleted = 139,
        hwChannelVCECommandsCompleted = 140,
        hwChannelCompute0CommandsCompleted = 141,
        hwChannelVCELLQCommandsCompleted = 142,
        hwChannelSAMUGPCOMCommandsSubmitted = 143,
        hwChannelVCELLQCommandsSubmitted = 144,
        hwChannelKIQCommandsSubmitted = 145,
        hwChannelVCECommandsSubmitted = 146,
        hwChannelCompute1 = 147,
        hwChannelUVDEncLLQ = 148,
        hwChannelCompute0 = 149,
        hwChannelGFXCommandsSubmitted = 150,
        hwChannelsDMA1CommandsCompleted = 151,
        hwChannelCompute2CommandsSubmitted = 152,
        hwChannelUVDDecCommandsSubmitted = 153,
        hwChannelCompute2CommandsCompleted = 154,
        hwChannelUVDEncCommandsCompleted = 155,
        hwChannelSamuGPComCommandsCompleted = 156,
        deviceUnitZeroUtilizationPercent = 157,
        deviceUtilizationAtCurrentPowerState = 158,
        inUseSystemMemoryDriver = 159,
        lastRecoveryTime = 160,
    };
    static constexpr std::size_t caseCount = 161;

    constexpr OpenGlKey(Case value = command2DBytes) noexcept : m_case(value) {}
    constexpr operator Case() const noexcept { return m_case; }
    constexpr std::size_t index() const noexcept { return m_case; }

    // The key whose raw value is exactly `rawValue`; none for any other text.
    static std::optional<OpenGlKey> fromRawValue(QStringView rawValue);
    // Every key in declaration order.
    static const std::array<OpenGlKey, caseCount>& allCases();

    // The dictionary text.
    const QString& rawValue() const;
    // The case name ("fanSpeedRpm"), the key of the display name in the library's string table.
    const QString& caseName() const;
    // The display name (the case name when the string table has none).
    const QString& localizedName() const;
    GraphicsCardKeyCategory category() const;
    // The name of the symbol for the key ("memorychip", "gauge", "cpu", ...).
    QString symbolName() const;
    // The counters of the first rank (memory, utilisation, fan, power, temperature, clocks).
    bool isCoreMetric() const;
    // The counters that describe the hardware itself (memory sizes, power, temperature, clocks).
    bool isHardwareMetric() const;

    // The text shown for a value of this key: a byte size for memory counters, a percentage, a unit
    // or a plain whole number as the key asks. The value is cut toward zero; a value that is not
    // finite or does not fit the whole-number type of the key's rule shows "-".
    QString valueText(double value) const;

private:
    Case m_case;
};

inline size_t qHash(OpenGlKey key, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<unsigned>(key.index()), seed);
}

} // namespace SystemKit
