<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>SystemKit</name>
    <message>
        <source>command2DBytes</source>
        <translation>Command 2D Bytes</translation>
    </message>
    <message>
        <source>context2DSwitchCount</source>
        <translation>Context 2D Switch Count</translation>
    </message>
    <message>
        <source>context2DCount</source>
        <translation>Context 2D Count</translation>
    </message>
    <message>
        <source>gartMapInBytes</source>
        <translation>GART Map In Bytes</translation>
    </message>
    <message>
        <source>gartMapOutBytes</source>
        <translation>GART Map Out Bytes</translation>
    </message>
    <message>
        <source>bufferSwapCount</source>
        <translation>Buffer Swap Count</translation>
    </message>
    <message>
        <source>texturePageOffWaitTime</source>
        <translation>Texture Page Off Wait Time</translation>
    </message>
    <message>
        <source>texturePageInWaitTime</source>
        <translation>Texture Page In Wait Time</translation>
    </message>
    <message>
        <source>textureWaitTime</source>
        <translation>Texture Wait Time</translation>
    </message>
    <message>
        <source>finish2DWaitTime</source>
        <translation>Finish 2D Wait Time</translation>
    </message>
    <message>
        <source>swapComplete2DWaitTime</source>
        <translation>Swap Complete 2D Wait Time</translation>
    </message>
    <message>
        <source>finishDVDWaitTime</source>
        <translation>Finish DVD Wait Time</translation>
    </message>
    <message>
        <source>swapCompleteDVDWaitTime</source>
        <translation>Swap Complete DVD Wait Time</translation>
    </message>
    <message>
        <source>freeCommandBuffer2DWaitTime</source>
        <translation>Free Command Buffer 2D Wait Time</translation>
    </message>
    <message>
        <source>freeCommandBufferGLWaitTime</source>
        <translation>Free Command Buffer GL Wait Time</translation>
    </message>
    <message>
        <source>freeDataBufferGLWaitTime</source>
        <translation>Free Data Buffer GL Wait Time</translation>
    </message>
    <message>
        <source>freeContextBuffer2DWaitTime</source>
        <translation>Free Context Buffer 2D Wait Time</translation>
    </message>
    <message>
        <source>freeContextBufferGLWaitTime</source>
        <translation>Free Context Buffer GL Wait Time</translation>
    </message>
    <message>
        <source>freeContextBufferDVDWaitTime</source>
        <translation>Free Context Buffer DVD Wait Time</translation>
    </message>
    <message>
        <source>hardwareWaitTime</source>
        <translation>Hardware Wait Time</translation>
    </message>
    <message>
        <source>removeFromGARTWaitTime</source>
        <translation>Remove From GART Wait Time</translation>
    </message>
    <message>
        <source>swapCompleteGLWaitTime</source>
        <translation>Swap Complete GL Wait Time</translation>
    </message>
    <message>
        <source>finishAll2DWaitTime</source>
        <translation>Finish All 2D Wait Time</translation>
    </message>
    <message>
        <source>finishGLWaitTime</source>
        <translation>Finish GL Wait Time</translation>
    </message>
    <message>
        <source>clientGLWaitTime</source>
        <translation>Client GL Wait Time</translation>
    </message>
    <message>
        <source>surfaceReadLockIdleWaitTime</source>
        <translation>Surface Read Lock Idle Wait Time</translation>
    </message>
    <message>
        <source>surfaceSetShapeIdleWaitTime</source>
        <translation>Surface Set Shape Idle Wait Time</translation>
    </message>
    <message>
        <source>surfaceWriteLockIdleWaitTime</source>
        <translation>Surface Write Lock Idle Wait Time</translation>
    </message>
    <message>
        <source>surfaceCopyOutWaitTime</source>
        <translation>Surface Copy Out Wait Time</translation>
    </message>
    <message>
        <source>surfaceCopyInWaitTime</source>
        <translation>Surface Copy In Wait Time</translation>
    </message>
    <message>
        <source>hardwareSubmitWaitTime</source>
        <translation>Hardware Submit Wait Time</translation>
    </message>
    <message>
        <source>gartSizeBytes</source>
        <translation>GART Size</translation>
    </message>
    <message>
        <source>gartFreeBytes</source>
        <translation>GART Free</translation>
    </message>
    <message>
        <source>gartUsedBytes</source>
        <translation>GART Used</translation>
    </message>
    <message>
        <source>vramFreeBytes</source>
        <translation>VRAM Free</translation>
    </message>
    <message>
        <source>vramLargestFree</source>
        <translation>VRAM Largest Free</translation>
    </message>
    <message>
        <source>vramUsedBytes</source>
        <translation>VRAM Used</translation>
    </message>
    <message>
        <source>commandDVDBytes</source>
        <translation>Command DVD Bytes</translation>
    </message>
    <message>
        <source>contextDVDSwitchCount</source>
        <translation>Context DVD Switch Count</translation>
    </message>
    <message>
        <source>contextDVDCount</source>
        <translation>Context DVD Count</translation>
    </message>
    <message>
        <source>dataGLBytes</source>
        <translation>Data GL Bytes</translation>
    </message>
    <message>
        <source>submitStamp</source>
        <translation>Submit Stamp</translation>
    </message>
    <message>
        <source>lastReadStamp</source>
        <translation>Last Read Stamp</translation>
    </message>
    <message>
        <source>commandGLBytes</source>
        <translation>Command GL Bytes</translation>
    </message>
    <message>
        <source>contextGLCountcontextGLCount</source>
        <translation>GL Context Count (Total)</translation>
    </message>
    <message>
        <source>dataBufferCount</source>
        <translation>Data Buffer Count</translation>
    </message>
    <message>
        <source>contextGLSwitchCount</source>
        <translation>Context GL Switch Count</translation>
    </message>
    <message>
        <source>surfacePageOffBytes</source>
        <translation>Surface Page Off Bytes</translation>
    </message>
    <message>
        <source>surfacePageInBytes</source>
        <translation>Surface Page In Bytes</translation>
    </message>
    <message>
        <source>surfaceCount</source>
        <translation>Surface Count</translation>
    </message>
    <message>
        <source>swapBytes</source>
        <translation>Swap Bytes</translation>
    </message>
    <message>
        <source>gartCacheBytes</source>
        <translation>GART Cache Bytes</translation>
    </message>
    <message>
        <source>texturePageOutBytes</source>
        <translation>Texture Page Out Bytes</translation>
    </message>
    <message>
        <source>texturePageInBytes</source>
        <translation>Texture Page In Bytes</translation>
    </message>
    <message>
        <source>textureCount</source>
        <translation>Texture Count</translation>
    </message>
    <message>
        <source>commandBytes</source>
        <translation>Command Bytes</translation>
    </message>
    <message>
        <source>orphanedNonReusableVidMemoryCount</source>
        <translation>Orphaned Non Reusable Video Memory Count</translation>
    </message>
    <message>
        <source>gartMapInBytesPerSample</source>
        <translation>GART Map In Bytes Per Sample</translation>
    </message>
    <message>
        <source>contextCLCount</source>
        <translation>Context CL Count</translation>
    </message>
    <message>
        <source>finishVideoWaitTime</source>
        <translation>Finish Video Wait Time</translation>
    </message>
    <message>
        <source>agpTextureCreationCount</source>
        <translation>AGP Texture Creation Count</translation>
    </message>
    <message>
        <source>iosurfaceTextureCreationCount</source>
        <translation>IOSurface Texture Creation Count</translation>
    </message>
    <message>
        <source>ioSurfaceReadOutBytes</source>
        <translation>IOSurface Read Out Bytes</translation>
    </message>
    <message>
        <source>agpTextureCreationBytes</source>
        <translation>AGP Texture Creation Bytes</translation>
    </message>
    <message>
        <source>contextVideoCount</source>
        <translation>Context Video Count</translation>
    </message>
    <message>
        <source>textureReadOutBytes</source>
        <translation>Texture Read Out Bytes</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryBytes</source>
        <translation>Orphaned Reusable System Memory Bytes</translation>
    </message>
    <message>
        <source>iosurfaceTextureCreationBytes</source>
        <translation>IOSurface Texture Creation Bytes</translation>
    </message>
    <message>
        <source>textureVolunteerUnloadBytes</source>
        <translation>Texture Volunteer Unload Bytes</translation>
    </message>
    <message>
        <source>inUseSysMemoryBytes</source>
        <translation>In Use System Memory Bytes</translation>
    </message>
    <message>
        <source>orphanedNonReusableSysMemoryCount</source>
        <translation>Orphaned Non Reusable System Memory Count</translation>
    </message>
    <message>
        <source>oolTexturePageInBytes</source>
        <translation>OOL Texture Page In Bytes</translation>
    </message>
    <message>
        <source>surfaceBufferTextureCreationCount</source>
        <translation>Surface Buffer Texture Creation Count</translation>
    </message>
    <message>
        <source>swapBytesPerSample</source>
        <translation>Swap Bytes Per Sample</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryCount</source>
        <translation>Orphaned Reusable Video Memory Count</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryHitRate</source>
        <translation>Orphaned Reusable System Memory Hit Rate</translation>
    </message>
    <message>
        <source>ioSurfacePageInBytes</source>
        <translation>IOSurface Page In Bytes</translation>
    </message>
    <message>
        <source>recoveryCount</source>
        <translation>Recovery Count</translation>
    </message>
    <message>
        <source>inUseVidMemoryBytes</source>
        <translation>In Use Video Memory Bytes</translation>
    </message>
    <message>
        <source>freeSurfaceSwapBufferWaitTime</source>
        <translation>Free Surface Swap Buffer Wait Time</translation>
    </message>
    <message>
        <source>clientSharedAllocatedBytes</source>
        <translation>Client Shared Allocated Bytes</translation>
    </message>
    <message>
        <source>agprefTextureCreationBytes</source>
        <translation>AGP Ref Texture Creation Bytes</translation>
    </message>
    <message>
        <source>surfaceBufferPageInBytes</source>
        <translation>Surface Buffer Page In Bytes</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryBytes</source>
        <translation>Orphaned Reusable Video Memory Bytes</translation>
    </message>
    <message>
        <source>oolTextureCreationBytes</source>
        <translation>OOL Texture Creation Bytes</translation>
    </message>
    <message>
        <source>stdTextureCreationCount</source>
        <translation>Standard Texture Creation Count</translation>
    </message>
    <message>
        <source>surfaceBufferReadOutBytes</source>
        <translation>Surface Buffer Read Out Bytes</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryHitRate</source>
        <translation>Orphaned Reusable Video Memory Hit Rate</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryCount</source>
        <translation>Orphaned Reusable System Memory Count</translation>
    </message>
    <message>
        <source>stdTexturePageInBytes</source>
        <translation>Standard Texture Page In Bytes</translation>
    </message>
    <message>
        <source>dataBytesPerSample</source>
        <translation>Data Bytes Per Sample</translation>
    </message>
    <message>
        <source>stdTextureCreationBytes</source>
        <translation>Standard Texture Creation Bytes</translation>
    </message>
    <message>
        <source>orphanedNonReusableSysMemoryBytes</source>
        <translation>Orphaned Non Reusable System Memory Bytes</translation>
    </message>
    <message>
        <source>volatileSurfaceCount</source>
        <translation>Volatile Surface Count</translation>
    </message>
    <message>
        <source>bufferFlipCount</source>
        <translation>Buffer Flip Count</translation>
    </message>
    <message>
        <source>freeToAllocGPUAddressWaitTime</source>
        <translation>Free To Alloc GPU Address Wait Time</translation>
    </message>
    <message>
        <source>surfaceBufferPageOutBytes</source>
        <translation>Surface Buffer Page Out Bytes</translation>
    </message>
    <message>
        <source>oolTextureCreationCount</source>
        <translation>OOL Texture Creation Count</translation>
    </message>
    <message>
        <source>freeDataBufferWaitTime</source>
        <translation>Free Data Buffer Wait Time</translation>
    </message>
    <message>
        <source>orphanedNonReusableVidMemoryBytes</source>
        <translation>Orphaned Non Reusable Video Memory Bytes</translation>
    </message>
    <message>
        <source>ioSurfacePageOutBytes</source>
        <translation>IOSurface Page Out Bytes</translation>
    </message>
    <message>
        <source>agprefTextureCreationCount</source>
        <translation>AGP Ref Texture Creation Count</translation>
    </message>
    <message>
        <source>surfaceTextureCreationCount</source>
        <translation>Surface Texture Creation Count</translation>
    </message>
    <message>
        <source>fanSpeedRpm</source>
        <translation>Fan Speed</translation>
    </message>
    <message>
        <source>gpuActivityPercentage</source>
        <translation>GPU Activity</translation>
    </message>
    <message>
        <source>totalPowerWatts</source>
        <translation>Total Power</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>coreClockMhz</source>
        <translation>Core Clock</translation>
    </message>
    <message>
        <source>memoryClockMhz</source>
        <translation>Memory Clock</translation>
    </message>
    <message>
        <source>fanSpeedPercentage</source>
        <translation>Fan Duty</translation>
    </message>
    <message>
        <source>deviceUnit1Utilization</source>
        <translation>Device Unit 1 Utilization</translation>
    </message>
    <message>
        <source>deviceUnit2Utilization</source>
        <translation>Device Unit 2 Utilization</translation>
    </message>
    <message>
        <source>deviceUnit3Utilization</source>
        <translation>Device Unit 3 Utilization</translation>
    </message>
    <message>
        <source>tiledSceneBytes</source>
        <translation>Tiled Scene Bytes</translation>
    </message>
    <message>
        <source>allocSystemMemory</source>
        <translation>Allow System Memory</translation>
    </message>
    <message>
        <source>tilerUtilization</source>
        <translation>Tiler Utilization</translation>
    </message>
    <message>
        <source>rendererUtilization</source>
        <translation>Renderer Utilization</translation>
    </message>
    <message>
        <source>inUseSystemMemory</source>
        <translation>In-Use System Memory</translation>
    </message>
    <message>
        <source>deviceUtilization</source>
        <translation>Device Utilization</translation>
    </message>
    <message>
        <source>allocatedPBSize</source>
        <translation>Allocated PB Size</translation>
    </message>
    <message>
        <source>allowSystemMemory</source>
        <translation>Alloc System Memory</translation>
    </message>
    <message>
        <source>tileUtilization</source>
        <translation>Tiler Utilization (%)</translation>
    </message>
    <message>
        <source>splitSceneCount</source>
        <translation>Split Scene Count</translation>
    </message>
    <message>
        <source>contextGLCount</source>
        <translation>Context GL Count</translation>
    </message>
    <message>
        <source>gartMapOutBytesPerSample</source>
        <translation>GART Map Out Bytes Per Sample</translation>
    </message>
    <message>
        <source>finishCLWaitTime</source>
        <translation>Finish CL Wait Time</translation>
    </message>
    <message>
        <source>vramEvictionWaitTime</source>
        <translation>VRAM Eviction Wait Time</translation>
    </message>
    <message>
        <source>swapCompleteVideoWaitTime</source>
        <translation>Swap Complete Video Wait Time</translation>
    </message>
    <message>
        <source>freeSurfaceBackingWaitTime</source>
        <translation>Free Surface Backing Wait Time</translation>
    </message>
    <message>
        <source>hwChannelGfxCommandCompleted</source>
        <translation>GFX Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelSamuRbiCommandCompleted</source>
        <translation>SAMU RBI Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelUVDEncLLQCommandsCompleted</source>
        <translation>UVDEncLLQ Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelUVDEncCommandsSubmitted</source>
        <translation>UVDEnc Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelCommandsCompleted</source>
        <translation>UVDDec Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelCompute1CommandsCompleted</source>
        <translation>Compute1 Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelsDMA1CommandsSubmitted</source>
        <translation>sDMA1 Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelSamuRBICommandsSubmitted</source>
        <translation>SAMU RBI Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelsDMA0CommandsCompleted</source>
        <translation>sDMA0 Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelSDMA0CommandsSubmitted</source>
        <translation>sDMA0 Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelKIQCommandsCompleted</source>
        <translation>KIQ Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelVCECommandsCompleted</source>
        <translation>VCE Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelCompute0CommandsCompleted</source>
        <translation>Compute0 Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelVCELLQCommandsCompleted</source>
        <translation>VCELLQ Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelSAMUGPCOMCommandsSubmitted</source>
        <translation>SAMU GPCOM Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelVCELLQCommandsSubmitted</source>
        <translation>VCELLQ Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelKIQCommandsSubmitted</source>
        <translation>KIQ Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelVCECommandsSubmitted</source>
        <translation>VCE Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelCompute1</source>
        <translation>Compute1 Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelUVDEncLLQ</source>
        <translation>UVDEncLLQ Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelCompute0</source>
        <translation>Compute0 Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelGFXCommandsSubmitted</source>
        <translation>GFX Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelsDMA1CommandsCompleted</source>
        <translation>sDMA1 Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelCompute2CommandsSubmitted</source>
        <translation>Compute2 Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelUVDDecCommandsSubmitted</source>
        <translation>UVDDec Commands Submitted</translation>
    </message>
    <message>
        <source>hwChannelCompute2CommandsCompleted</source>
        <translation>Compute2 Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelUVDEncCommandsCompleted</source>
        <translation>UVDEnc Commands Completed</translation>
    </message>
    <message>
        <source>hwChannelSamuGPComCommandsCompleted</source>
        <translation>SAMU GPCOM Commands Completed</translation>
    </message>
    <message>
        <source>deviceUnitZeroUtilizationPercent</source>
        <translation>Device Unit 0 Utilization</translation>
    </message>
    <message>
        <source>deviceUtilizationAtCurrentPowerState</source>
        <translation>Device Utilization at Current P-State</translation>
    </message>
    <message>
        <source>inUseSystemMemoryDriver</source>
        <translation>In-Use System Memory (Driver)</translation>
    </message>
    <message>
        <source>lastRecoveryTime</source>
        <translation>Last Recovery Time</translation>
    </message>
    <message>
        <source>general</source>
        <translation>General</translation>
    </message>
    <message>
        <source>utilization</source>
        <translation>Utilization</translation>
    </message>
    <message>
        <source>vram</source>
        <translation>Video Memory</translation>
    </message>
    <message>
        <source>fan</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>latency</source>
        <translation>Latency</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>hardwareChannel</source>
        <translation>Hardware Channel</translation>
    </message>
    <message>
        <source>UNKNOWN_GPU_MODEL</source>
        <translation>Unknown Graphics Card</translation>
    </message>
    <message>
        <source>STARTUP_DISK</source>
        <translation>Startup Disk</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME</source>
        <translation>System Volume</translation>
    </message>
    <message>
        <source>EXTERNAL_VOLUME</source>
        <translation>External Volume</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>PCI_EXPRESS</source>
        <translation>PCI Express</translation>
    </message>
    <message>
        <source>SD_CARD</source>
        <translation>SD Card</translation>
    </message>
    <message>
        <source>APPLE_FABRIC</source>
        <translation>Apple Fabric</translation>
    </message>
    <message>
        <source>PCI</source>
        <translation>PCI</translation>
    </message>
    <message>
        <source>SATA</source>
        <translation>SATA</translation>
    </message>
    <message>
        <source>ATA</source>
        <translation>ATA</translation>
    </message>
    <message>
        <source>ATAPI</source>
        <translation>ATAPI</translation>
    </message>
    <message>
        <source>VIRTUAL_INTERFACE</source>
        <translation>Virtual Interface</translation>
    </message>
    <message>
        <source>UNKNOWN_ADDRESS</source>
        <translation>Unknown address</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_STATION</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_IBSS</source>
        <translation>IBSS</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_ACCESS_POINT</source>
        <translation>Access point</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_UNKNOWN</source>
        <translation>Unknown mode</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>WPA_PERSONAL</source>
        <translation>WPA Personal</translation>
    </message>
    <message>
        <source>WPA_PERSONAL_MIXED</source>
        <translation>WPA/WPA2 Personal</translation>
    </message>
    <message>
        <source>WPA2 Personal</source>
        <translation>WPA2 Personal</translation>
    </message>
    <message>
        <source>PERSONAL</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>DYNAMIC_WEP</source>
        <translation>Dynamic WEP</translation>
    </message>
    <message>
        <source>WPA_ENTERPRISE</source>
        <translation>WPA Enterprise</translation>
    </message>
    <message>
        <source>WPA_ENTERPRISE_MIXED</source>
        <translation>WPA/WPA2 Enterprise</translation>
    </message>
    <message>
        <source>WPA2_ENTERPRISE</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>ENTERPRISE</source>
        <translation>Enterprise</translation>
    </message>
    <message>
        <source>WPA3_PERSONAL</source>
        <translation>WPA3 Personal</translation>
    </message>
    <message>
        <source>WPA3_ENTERPRISE</source>
        <translation>WPA3 Enterprise</translation>
    </message>
    <message>
        <source>WPA3_TRANSITION</source>
        <translation>WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>OWE</source>
        <translation>Enhanced Open</translation>
    </message>
    <message>
        <source>OW_TRANSITION</source>
        <translation>Enhanced Open Transition</translation>
    </message>
    <message>
        <source>UNKNOWN_SECURITY</source>
        <translation>Unknown security</translation>
    </message>
    <message>
        <source>BAND_UNKNOWN</source>
        <translation>Unknown band</translation>
    </message>
    <message>
        <source>BAND_2GHZ</source>
        <translation>2.4 GHz</translation>
    </message>
    <message>
        <source>BAND_5GHZ</source>
        <translation>5 GHz</translation>
    </message>
    <message>
        <source>BAND_6GHZ</source>
        <translation>6 GHz</translation>
    </message>
    <message>
        <source>PHY_MODE_NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>PHY_MODE_UNKNOWN</source>
        <translation>Unknown PHY mode</translation>
    </message>
</context>
</TS>
