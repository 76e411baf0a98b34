<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>SystemKit</name>
    <message>
        <source>command2DBytes</source>
        <translation>2D-Befehlsbytes</translation>
    </message>
    <message>
        <source>context2DSwitchCount</source>
        <translation>Anzahl 2D-Kontextwechsel</translation>
    </message>
    <message>
        <source>context2DCount</source>
        <translation>Anzahl 2D-Kontexte</translation>
    </message>
    <message>
        <source>gartMapInBytes</source>
        <translation>In GART eingeblendete Bytes</translation>
    </message>
    <message>
        <source>gartMapOutBytes</source>
        <translation>Aus GART ausgeblendete Bytes</translation>
    </message>
    <message>
        <source>bufferSwapCount</source>
        <translation>Anzahl Pufferwechsel</translation>
    </message>
    <message>
        <source>texturePageOffWaitTime</source>
        <translation>Wartezeit Texturauslagerung</translation>
    </message>
    <message>
        <source>texturePageInWaitTime</source>
        <translation>Wartezeit Textureinlagerung</translation>
    </message>
    <message>
        <source>textureWaitTime</source>
        <translation>Wartezeit Texturen</translation>
    </message>
    <message>
        <source>finish2DWaitTime</source>
        <translation>Wartezeit 2D-Abschluss</translation>
    </message>
    <message>
        <source>swapComplete2DWaitTime</source>
        <translation>Wartezeit 2D-Pufferwechsel</translation>
    </message>
    <message>
        <source>finishDVDWaitTime</source>
        <translation>Wartezeit DVD-Abschluss</translation>
    </message>
    <message>
        <source>swapCompleteDVDWaitTime</source>
        <translation>Wartezeit DVD-Pufferwechsel</translation>
    </message>
    <message>
        <source>freeCommandBuffer2DWaitTime</source>
        <translation>Wartezeit freier 2D-Befehlspuffer</translation>
    </message>
    <message>
        <source>freeCommandBufferGLWaitTime</source>
        <translation>Wartezeit freier GL-Befehlspuffer</translation>
    </message>
    <message>
        <source>freeDataBufferGLWaitTime</source>
        <translation>Wartezeit freier GL-Datenpuffer</translation>
    </message>
    <message>
        <source>freeContextBuffer2DWaitTime</source>
        <translation>Wartezeit freier 2D-Kontextpuffer</translation>
    </message>
    <message>
        <source>freeContextBufferGLWaitTime</source>
        <translation>Wartezeit freier GL-Kontextpuffer</translation>
    </message>
    <message>
        <source>freeContextBufferDVDWaitTime</source>
        <translation>Wartezeit freier DVD-Kontextpuffer</translation>
    </message>
    <message>
        <source>hardwareWaitTime</source>
        <translation>Wartezeit Hardware</translation>
    </message>
    <message>
        <source>removeFromGARTWaitTime</source>
        <translation>Wartezeit Entfernen aus GART</translation>
    </message>
    <message>
        <source>swapCompleteGLWaitTime</source>
        <translation>Wartezeit GL-Pufferwechsel</translation>
    </message>
    <message>
        <source>finishAll2DWaitTime</source>
        <translation>Wartezeit gesamter 2D-Abschluss</translation>
    </message>
    <message>
        <source>finishGLWaitTime</source>
        <translation>Wartezeit GL-Abschluss</translation>
    </message>
    <message>
        <source>clientGLWaitTime</source>
        <translation>Wartezeit GL-Client</translation>
    </message>
    <message>
        <source>surfaceReadLockIdleWaitTime</source>
        <translation>Wartezeit Lesesperre der Oberfläche</translation>
    </message>
    <message>
        <source>surfaceSetShapeIdleWaitTime</source>
        <translation>Wartezeit Formänderung der Oberfläche</translation>
    </message>
    <message>
        <source>surfaceWriteLockIdleWaitTime</source>
        <translation>Wartezeit Schreibsperre der Oberfläche</translation>
    </message>
    <message>
        <source>surfaceCopyOutWaitTime</source>
        <translation>Wartezeit Kopieren aus der Oberfläche</translation>
    </message>
    <message>
        <source>surfaceCopyInWaitTime</source>
        <translation>Wartezeit Kopieren in die Oberfläche</translation>
    </message>
    <message>
        <source>hardwareSubmitWaitTime</source>
        <translation>Wartezeit Übergabe an die Hardware</translation>
    </message>
    <message>
        <source>gartSizeBytes</source>
        <translation>GART-Größe</translation>
    </message>
    <message>
        <source>gartFreeBytes</source>
        <translation>GART frei</translation>
    </message>
    <message>
        <source>gartUsedBytes</source>
        <translation>GART belegt</translation>
    </message>
    <message>
        <source>vramFreeBytes</source>
        <translation>VRAM frei</translation>
    </message>
    <message>
        <source>vramLargestFree</source>
        <translation>Größter freier VRAM-Block</translation>
    </message>
    <message>
        <source>vramUsedBytes</source>
        <translation>VRAM belegt</translation>
    </message>
    <message>
        <source>commandDVDBytes</source>
        <translation>DVD-Befehlsbytes</translation>
    </message>
    <message>
        <source>contextDVDSwitchCount</source>
        <translation>Anzahl DVD-Kontextwechsel</translation>
    </message>
    <message>
        <source>contextDVDCount</source>
        <translation>Anzahl DVD-Kontexte</translation>
    </message>
    <message>
        <source>dataGLBytes</source>
        <translation>GL-Datenbytes</translation>
    </message>
    <message>
        <source>submitStamp</source>
        <translation>Übergabemarke</translation>
    </message>
    <message>
        <source>lastReadStamp</source>
        <translation>Letzte Lesemarke</translation>
    </message>
    <message>
        <source>commandGLBytes</source>
        <translation>GL-Befehlsbytes</translation>
    </message>
    <message>
        <source>contextGLCountcontextGLCount</source>
        <translation>Anzahl GL-Kontexte (gesamt)</translation>
    </message>
    <message>
        <source>dataBufferCount</source>
        <translation>Anzahl Datenpuffer</translation>
    </message>
    <message>
        <source>contextGLSwitchCount</source>
        <translation>Anzahl GL-Kontextwechsel</translation>
    </message>
    <message>
        <source>surfacePageOffBytes</source>
        <translation>Ausgelagerte Oberflächenbytes</translation>
    </message>
    <message>
        <source>surfacePageInBytes</source>
        <translation>Eingelagerte Oberflächenbytes</translation>
    </message>
    <message>
        <source>surfaceCount</source>
        <translation>Anzahl Oberflächen</translation>
    </message>
    <message>
        <source>swapBytes</source>
        <translation>Pufferwechsel-Bytes</translation>
    </message>
    <message>
        <source>gartCacheBytes</source>
        <translation>GART-Cache-Bytes</translation>
    </message>
    <message>
        <source>texturePageOutBytes</source>
        <translation>Ausgelagerte Texturbytes</translation>
    </message>
    <message>
        <source>texturePageInBytes</source>
        <translation>Eingelagerte Texturbytes</translation>
    </message>
    <message>
        <source>textureCount</source>
        <translation>Anzahl Texturen</translation>
    </message>
    <message>
        <source>commandBytes</source>
        <translation>Befehlsbytes</translation>
    </message>
    <message>
        <source>orphanedNonReusableVidMemoryCount</source>
        <translation>Verwaister Videospeicher, nicht wiederverwendbar (Anzahl)</translation>
    </message>
    <message>
        <source>gartMapInBytesPerSample</source>
        <translation>In GART eingeblendete Bytes pro Messung</translation>
    </message>
    <message>
        <source>contextCLCount</source>
        <translation>Anzahl CL-Kontexte</translation>
    </message>
    <message>
        <source>finishVideoWaitTime</source>
        <translation>Wartezeit Video-Abschluss</translation>
    </message>
    <message>
        <source>agpTextureCreationCount</source>
        <translation>AGP-Texturerstellung (Anzahl)</translation>
    </message>
    <message>
        <source>iosurfaceTextureCreationCount</source>
        <translation>IOSurface-Texturerstellung (Anzahl)</translation>
    </message>
    <message>
        <source>ioSurfaceReadOutBytes</source>
        <translation>Ausgelesene IOSurface-Bytes</translation>
    </message>
    <message>
        <source>agpTextureCreationBytes</source>
        <translation>AGP-Texturerstellung (Bytes)</translation>
    </message>
    <message>
        <source>contextVideoCount</source>
        <translation>Anzahl Videokontexte</translation>
    </message>
    <message>
        <source>textureReadOutBytes</source>
        <translation>Ausgelesene Texturbytes</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryBytes</source>
        <translation>Verwaister Systemspeicher, wiederverwendbar (Bytes)</translation>
    </message>
    <message>
        <source>iosurfaceTextureCreationBytes</source>
        <translation>IOSurface-Texturerstellung (Bytes)</translation>
    </message>
    <message>
        <source>textureVolunteerUnloadBytes</source>
        <translation>Freiwillig entladene Texturbytes</translation>
    </message>
    <message>
        <source>inUseSysMemoryBytes</source>
        <translation>Belegter Systemspeicher (Bytes)</translation>
    </message>
    <message>
        <source>orphanedNonReusableSysMemoryCount</source>
        <translation>Verwaister Systemspeicher, nicht wiederverwendbar (Anzahl)</translation>
    </message>
    <message>
        <source>oolTexturePageInBytes</source>
        <translation>Eingelagerte OOL-Texturbytes</translation>
    </message>
    <message>
        <source>surfaceBufferTextureCreationCount</source>
        <translation>Texturerstellung aus Oberflächenpuffern (Anzahl)</translation>
    </message>
    <message>
        <source>swapBytesPerSample</source>
        <translation>Pufferwechsel-Bytes pro Messung</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryCount</source>
        <translation>Verwaister Videospeicher, wiederverwendbar (Anzahl)</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryHitRate</source>
        <translation>Verwaister Systemspeicher, wiederverwendbar (Trefferquote)</translation>
    </message>
    <message>
        <source>ioSurfacePageInBytes</source>
        <translation>Eingelagerte IOSurface-Bytes</translation>
    </message>
    <message>
        <source>recoveryCount</source>
        <translation>Anzahl Wiederherstellungen</translation>
    </message>
    <message>
        <source>inUseVidMemoryBytes</source>
        <translation>Belegter Videospeicher (Bytes)</translation>
    </message>
    <message>
        <source>freeSurfaceSwapBufferWaitTime</source>
        <translation>Wartezeit freier Wechselpuffer der Oberfläche</translation>
    </message>
    <message>
        <source>clientSharedAllocatedBytes</source>
        <translation>Gemeinsam belegter Client-Speicher (Bytes)</translation>
    </message>
    <message>
        <source>agprefTextureCreationBytes</source>
        <translation>AGP-Ref-Texturerstellung (Bytes)</translation>
    </message>
    <message>
        <source>surfaceBufferPageInBytes</source>
        <translation>Eingelagerte Oberflächenpuffer-Bytes</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryBytes</source>
        <translation>Verwaister Videospeicher, wiederverwendbar (Bytes)</translation>
    </message>
    <message>
        <source>oolTextureCreationBytes</source>
        <translation>OOL-Texturerstellung (Bytes)</translation>
    </message>
    <message>
        <source>stdTextureCreationCount</source>
        <translation>Standard-Texturerstellung (Anzahl)</translation>
    </message>
    <message>
        <source>surfaceBufferReadOutBytes</source>
        <translation>Ausgelesene Oberflächenpuffer-Bytes</translation>
    </message>
    <message>
        <source>orphanedReusableVidMemoryHitRate</source>
        <translation>Verwaister Videospeicher, wiederverwendbar (Trefferquote)</translation>
    </message>
    <message>
        <source>orphanedReusableSysMemoryCount</source>
        <translation>Verwaister Systemspeicher, wiederverwendbar (Anzahl)</translation>
    </message>
    <message>
        <source>stdTexturePageInBytes</source>
        <translation>Eingelagerte Standard-Texturbytes</translation>
    </message>
    <message>
        <source>dataBytesPerSample</source>
        <translation>Datenbytes pro Messung</translation>
    </message>
    <message>
        <source>stdTextureCreationBytes</source>
        <translation>Standard-Texturerstellung (Bytes)</translation>
    </message>
    <message>
        <source>orphanedNonReusableSysMemoryBytes</source>
        <translation>Verwaister Systemspeicher, nicht wiederverwendbar (Bytes)</translation>
    </message>
    <message>
        <source>volatileSurfaceCount</source>
        <translation>Anzahl flüchtiger Oberflächen</translation>
    </message>
    <message>
        <source>bufferFlipCount</source>
        <translation>Anzahl Pufferumschaltungen</translation>
    </message>
    <message>
        <source>freeToAllocGPUAddressWaitTime</source>
        <translation>Wartezeit Zuweisung einer GPU-Adresse</translation>
    </message>
    <message>
        <source>surfaceBufferPageOutBytes</source>
        <translation>Ausgelagerte Oberflächenpuffer-Bytes</translation>
    </message>
    <message>
        <source>oolTextureCreationCount</source>
        <translation>OOL-Texturerstellung (Anzahl)</translation>
    </message>
    <message>
        <source>freeDataBufferWaitTime</source>
        <translation>Wartezeit freier Datenpuffer</translation>
    </message>
    <message>
        <source>orphanedNonReusableVidMemoryBytes</source>
        <translation>Verwaister Videospeicher, nicht wiederverwendbar (Bytes)</translation>
    </message>
    <message>
        <source>ioSurfacePageOutBytes</source>
        <translation>Ausgelagerte IOSurface-Bytes</translation>
    </message>
    <message>
        <source>agprefTextureCreationCount</source>
        <translation>AGP-Ref-Texturerstellung (Anzahl)</translation>
    </message>
    <message>
        <source>surfaceTextureCreationCount</source>
        <translation>Texturerstellung aus Oberflächen (Anzahl)</translation>
    </message>
    <message>
        <source>fanSpeedRpm</source>
        <translation>Lüfterdrehzahl</translation>
    </message>
    <message>
        <source>gpuActivityPercentage</source>
        <translation>GPU-Aktivität</translation>
    </message>
    <message>
        <source>totalPowerWatts</source>
        <translation>Gesamtleistung</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>coreClockMhz</source>
        <translation>Kerntakt</translation>
    </message>
    <message>
        <source>memoryClockMhz</source>
        <translation>Speichertakt</translation>
    </message>
    <message>
        <source>fanSpeedPercentage</source>
        <translation>Lüfterleistung</translation>
    </message>
    <message>
        <source>deviceUnit1Utilization</source>
        <translation>Auslastung Geräteeinheit 1</translation>
    </message>
    <message>
        <source>deviceUnit2Utilization</source>
        <translation>Auslastung Geräteeinheit 2</translation>
    </message>
    <message>
        <source>deviceUnit3Utilization</source>
        <translation>Auslastung Geräteeinheit 3</translation>
    </message>
    <message>
        <source>tiledSceneBytes</source>
        <translation>Bytes gekachelter Szenen</translation>
    </message>
    <message>
        <source>allocSystemMemory</source>
        <translation>Erlaubter Systemspeicher</translation>
    </message>
    <message>
        <source>tilerUtilization</source>
        <translation>Tiler-Auslastung</translation>
    </message>
    <message>
        <source>rendererUtilization</source>
        <translation>Renderer-Auslastung</translation>
    </message>
    <message>
        <source>inUseSystemMemory</source>
        <translation>Belegter Systemspeicher</translation>
    </message>
    <message>
        <source>deviceUtilization</source>
        <translation>Geräteauslastung</translation>
    </message>
    <message>
        <source>allocatedPBSize</source>
        <translation>Zugewiesene PB-Größe</translation>
    </message>
    <message>
        <source>allowSystemMemory</source>
        <translation>Zugewiesener Systemspeicher</translation>
    </message>
    <message>
        <source>tileUtilization</source>
        <translation>Tiler-Auslastung (%)</translation>
    </message>
    <message>
        <source>splitSceneCount</source>
        <translation>Anzahl geteilter Szenen</translation>
    </message>
    <message>
        <source>contextGLCount</source>
        <translation>Anzahl GL-Kontexte</translation>
    </message>
    <message>
        <source>gartMapOutBytesPerSample</source>
        <translation>Aus GART ausgeblendete Bytes pro Messung</translation>
    </message>
    <message>
        <source>finishCLWaitTime</source>
        <translation>Wartezeit CL-Abschluss</translation>
    </message>
    <message>
        <source>vramEvictionWaitTime</source>
        <translation>Wartezeit VRAM-Verdrängung</translation>
    </message>
    <message>
        <source>swapCompleteVideoWaitTime</source>
        <translation>Wartezeit Video-Pufferwechsel</translation>
    </message>
    <message>
        <source>freeSurfaceBackingWaitTime</source>
        <translation>Wartezeit freier Oberflächenspeicher</translation>
    </message>
    <message>
        <source>hwChannelGfxCommandCompleted</source>
        <translation>GFX-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelSamuRbiCommandCompleted</source>
        <translation>SAMU-RBI-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelUVDEncLLQCommandsCompleted</source>
        <translation>UVDEncLLQ-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelUVDEncCommandsSubmitted</source>
        <translation>UVDEnc-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelCommandsCompleted</source>
        <translation>UVDDec-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelCompute1CommandsCompleted</source>
        <translation>Compute1-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelsDMA1CommandsSubmitted</source>
        <translation>sDMA1-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelSamuRBICommandsSubmitted</source>
        <translation>SAMU-RBI-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelsDMA0CommandsCompleted</source>
        <translation>sDMA0-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelSDMA0CommandsSubmitted</source>
        <translation>sDMA0-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelKIQCommandsCompleted</source>
        <translation>KIQ-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelVCECommandsCompleted</source>
        <translation>VCE-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelCompute0CommandsCompleted</source>
        <translation>Compute0-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelVCELLQCommandsCompleted</source>
        <translation>VCELLQ-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelSAMUGPCOMCommandsSubmitted</source>
        <translation>SAMU-GPCOM-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelVCELLQCommandsSubmitted</source>
        <translation>VCELLQ-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelKIQCommandsSubmitted</source>
        <translation>KIQ-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelVCECommandsSubmitted</source>
        <translation>VCE-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelCompute1</source>
        <translation>Compute1-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelUVDEncLLQ</source>
        <translation>UVDEncLLQ-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelCompute0</source>
        <translation>Compute0-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelGFXCommandsSubmitted</source>
        <translation>GFX-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelsDMA1CommandsCompleted</source>
        <translation>sDMA1-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelCompute2CommandsSubmitted</source>
        <translation>Compute2-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelUVDDecCommandsSubmitted</source>
        <translation>UVDDec-Befehle übergeben</translation>
    </message>
    <message>
        <source>hwChannelCompute2CommandsCompleted</source>
        <translation>Compute2-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelUVDEncCommandsCompleted</source>
        <translation>UVDEnc-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>hwChannelSamuGPComCommandsCompleted</source>
        <translation>SAMU-GPCOM-Befehle abgeschlossen</translation>
    </message>
    <message>
        <source>deviceUnitZeroUtilizationPercent</source>
        <translation>Auslastung Geräteeinheit 0</translation>
    </message>
    <message>
        <source>deviceUtilizationAtCurrentPowerState</source>
        <translation>Geräteauslastung im aktuellen Leistungszustand</translation>
    </message>
    <message>
        <source>inUseSystemMemoryDriver</source>
        <translation>Belegter Systemspeicher (Treiber)</translation>
    </message>
    <message>
        <source>lastRecoveryTime</source>
        <translation>Letzte Wiederherstellung</translation>
    </message>
    <message>
        <source>general</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>utilization</source>
        <translation>Auslastung</translation>
    </message>
    <message>
        <source>vram</source>
        <translation>Videospeicher</translation>
    </message>
    <message>
        <source>fan</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>Texturen</translation>
    </message>
    <message>
        <source>latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>hardwareChannel</source>
        <translation>Hardwarekanäle</translation>
    </message>
    <message>
        <source>UNKNOWN_GPU_MODEL</source>
        <translation>Unbekannte Grafikkarte</translation>
    </message>
    <message>
        <source>STARTUP_DISK</source>
        <translation>Startlaufwerk</translation>
    </message>
    <message>
        <source>SYSTEM_VOLUME</source>
        <translation>Systemlaufwerk</translation>
    </message>
    <message>
        <source>EXTERNAL_VOLUME</source>
        <translation>Externes Laufwerk</translation>
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
        <translation>SD-Karte</translation>
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
        <translation>Virtuelle Schnittstelle</translation>
    </message>
    <message>
        <source>UNKNOWN_ADDRESS</source>
        <translation>Unbekannte Adresse</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_NONE</source>
        <translation>Keiner</translation>
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
        <translation>Zugangspunkt</translation>
    </message>
    <message>
        <source>INTERFACE_MODE_UNKNOWN</source>
        <translation>Unbekannter Modus</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>Keine</translation>
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
        <translation>Dynamisches WEP</translation>
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
        <translation>Erweitert offen</translation>
    </message>
    <message>
        <source>OW_TRANSITION</source>
        <translation>Erweitert offen (Übergang)</translation>
    </message>
    <message>
        <source>UNKNOWN_SECURITY</source>
        <translation>Unbekannte Sicherheit</translation>
    </message>
    <message>
        <source>BAND_UNKNOWN</source>
        <translation>Unbekanntes Band</translation>
    </message>
    <message>
        <source>BAND_2GHZ</source>
        <translation>2,4 GHz</translation>
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
        <translation>Keiner</translation>
    </message>
    <message>
        <source>PHY_MODE_UNKNOWN</source>
        <translation>Unbekannter PHY-Modus</translation>
    </message>
</context>
</TS>
