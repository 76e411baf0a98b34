#include "BaseKit/Devices/MobileDevices.h"

#include <array>

namespace BaseKit {

namespace {

struct Row {
    const char* identifier;
    const char* name;
    const char* shortName;
    const char* icon; // null: no icon file
};

constexpr Row phones[] = {
    {"iPhone1,1", "iPhone", "iPhone", nullptr},
    {"iPhone1,2", "iPhone 3G", "iPhone 3", "com.apple.iphone-3g.icns"},
    {"iPhone2,1", "iPhone 3GS", "iPhone 3", "com.apple.iphone-3g.icns"},
    {"iPhone3,1", "iPhone 4", "iPhone 4", "com.apple.iphone-4-black.icns"},
    {"iPhone3,2", "iPhone 4 (GSM Rev A)", "iPhone 4", "com.apple.iphone-4-black.icns"},
    {"iPhone3,3", "iPhone 4 (CDMA)", "iPhone 4", "com.apple.iphone-4-black.icns"},
    {"iPhone4,1", "iPhone 4S", "4S", "com.apple.iphone-4-black.icns"},
    {"iPhone5,1", "iPhone 5 (GSM)", "iPhone 5", "com.apple.iphone-5-black.icns"},
    {"iPhone5,2", "iPhone 5 (Global)", "iPhone 5", "com.apple.iphone-5-black.icns"},
    {"iPhone5,3", "iPhone 5c (GSM)", "iPhone 5c", "com.apple.iphone-5c-white.icns"},
    {"iPhone5,4", "iPhone 5c (Global)", "iPhone 5c", "com.apple.iphone-5c-white.icns"},
    {"iPhone6,1", "iPhone 5s (GSM)", "iPhone 5s", "com.apple.iphone-5s-space-gray.icns"},
    {"iPhone6,2", "iPhone 5s (Global)", "iPhone 5s", "com.apple.iphone-5s-space-gray.icns"},
    {"iPhone7,1", "iPhone 6 Plus", "iPhone 6+", "com.apple.iphone-6-plus-b4b5b9.icns"},
    {"iPhone7,2", "iPhone 6", "iPhone 6", "com.apple.iphone-6-b4b5b9.icns"},
    {"iPhone8,1", "iPhone 6s", "iPhone 6s", "com.apple.iphone-6s-b9b7ba.icns"},
    {"iPhone8,2", "iPhone 6s Plus", "iPhone 6s+", "com.apple.iphone-6s-plus-b9b7ba.icns"},
    {"iPhone8,4", "iPhone SE", "iPhone SE", "com.apple.iphone-se-b9b7ba.icns"},
    {"iPhone9,1", "iPhone 7", "iPhone 7", "com.apple.iphone-7-1.icns"},
    {"iPhone9,2", "iPhone 7 Plus", "iPhone 7+", "com.apple.iphone-7-plus-1.icns"},
    {"iPhone9,3", "iPhone 7", "iPhone 7", "com.apple.iphone-7-1.icns"},
    {"iPhone9,4", "iPhone 7 Plus", "iPhone 7+", "com.apple.iphone-7-plus-1.icns"},
    {"iPhone10,1", "iPhone 8", "iPhone 8", "com.apple.iphone-8-1.icns"},
    {"iPhone10,2", "iPhone 8 Plus", "iPhone 8+", "com.apple.iphone-8-plus-1.icns"},
    {"iPhone10,3", "iPhone X (Global)", "iPhone X", "com.apple.iphone-x-1.icns"},
    {"iPhone10,4", "iPhone 8", "iPhone 8", "com.apple.iphone-8-1.icns"},
    {"iPhone10,5", "iPhone 8 Plus", "iPhone 8+", "com.apple.iphone-8-plus-1.icns"},
    {"iPhone10,6", "iPhone X (GSM)", "iPhone X", "com.apple.iphone-x-1.icns"},
    {"iPhone11,2", "iPhone XS", "XS", "com.apple.iphone-xs-1.icns"},
    {"iPhone11,4", "iPhone XS Max", "XS Max", "com.apple.iphone-xs-max-1.icns"},
    {"iPhone11,6", "iPhone XS Max (Global)", "XS Max", "com.apple.iphone-xs-max-1.icns"},
    {"iPhone11,8", "iPhone XR", "XR", "com.apple.iphone-xr-1.icns"},
    {"iPhone12,1", "iPhone 11", "11", "com.apple.iphone-11-1.icns"},
    {"iPhone12,3", "iPhone 11 Pro", "11 Pro", "com.apple.iphone-11-pro-1.icns"},
    {"iPhone12,5", "iPhone 11 Pro Max", "11 Pro Max", "com.apple.iphone-11-pro-max-1.icns"},
    {"iPhone12,8", "iPhone SE 2nd Gen", "iPhone SE", "com.apple.iphone-se-2nd-1.icns"},
    {"iPhone13,1", "iPhone 12 mini", "12 mini", "com.apple.iphone-12-mini-1.icns"},
    {"iPhone13,2", "iPhone 12", "12", "com.apple.iphone-12-1.icns"},
    {"iPhone13,3", "iPhone 12 Pro", "12 Pro", "com.apple.iphone-12-pro-1.icns"},
    {"iPhone13,4", "iPhone 12 Pro Max", "12 Pro Max", "com.apple.iphone-12-pro-max-1.icns"},
    {"iPhone14,2", "iPhone 13 Pro", "13 Pro", "com.apple.iphone-13-pro-1.icns"},
    {"iPhone14,3", "iPhone 13 Pro Max", "13 Pro Max", "com.apple.iphone-13-pro-max-1.icns"},
    {"iPhone14,4", "iPhone 13 mini", "13 mini", "com.apple.iphone-13-mini-1.icns"},
    {"iPhone14,5", "iPhone 13", "13", "com.apple.iphone-13-1.icns"},
    {"iPhone14,6", "iPhone SE 3rd Gen", "iPhone SE", "com.apple.iphone-se-3rd-1.icns"},
    {"iPhone14,7", "iPhone 14", "14", "com.apple.iphone-14-1.icns"},
    {"iPhone14,8", "iPhone 14 Plus", "14 Plus", "com.apple.iphone-14-plus-1.icns"},
    {"iPhone15,2", "iPhone 14 Pro", "14 Pro", "com.apple.iphone-14-pro-2.icns"},
    {"iPhone15,3", "iPhone 14 Pro Max", "14 Pro Max", "com.apple.iphone-14-pro-max-2.icns"},
    {"iPhone15,4", "iPhone 15", "15", "com.apple.iphone-15-1.icns"},
    {"iPhone15,5", "iPhone 15 Plus", "15 Plus", "com.apple.iphone-15-plus-1.icns"},
    {"iPhone16,1", "iPhone 15 Pro", "15 Pro", "com.apple.iphone-15-pro-1.icns"},
    {"iPhone16,2", "iPhone 15 Pro Max", "15 Pro Max", "com.apple.iphone-15-pro-max-1.icns"},
};

constexpr Row musicPlayers[] = {
    {"iPod1,1", "1st Gen iPod", "iPod", "com.apple.ipod-touch.icns"},
    {"iPod2,1", "2nd Gen iPod", "iPod 2", "com.apple.ipod-touch-2.icns"},
    {"iPod3,1", "3rd Gen iPod", "iPod 3", "com.apple.ipod-touch-2.icns"},
    {"iPod4,1", "4th Gen iPod", "iPod 4", "com.apple.ipod-touch-4-black.icns"},
    {"iPod5,1", "5th Gen iPod", "iPod 5", "com.apple.ipod-touch-5-sparrow.icns"},
    {"iPod7,1", "6th Gen iPod", "iPod 6", "com.apple.ipod-touch-6-6b6a6d.icns"},
    {"iPod9,1", "7th Gen iPod", "iPod 7", "com.apple.ipod-touch-7-5.icns"},
};

constexpr Row tablets[] = {
    {"iPad1,1", "iPad", "iPad", "com.apple.ipad.icns"},
    {"iPad1,2", "iPad", "iPad 3G", "com.apple.ipad.icns"},
    {"iPad2,1", "iPad 2 (WiFi)", "iPad 2", "com.apple.ipad-2-black.icns"},
    {"iPad2,2", "iPad 2 (GSM)", "iPad 2", "com.apple.ipad-2-black.icns"},
    {"iPad2,3", "iPad 2 (CDMA)", "iPad 2", "com.apple.ipad-2-black.icns"},
    {"iPad2,4", "iPad 2 (WiFi, Rev A)", "iPad 2", "com.apple.ipad-2-black.icns"},
    {"iPad2,5", "iPad mini", "iPad", "com.apple.ipad-mini-black-wifi.icns"},
    {"iPad2,6", "iPad mini (GSM)", "iPad mini", "com.apple.ipad-mini-black-wifi.icns"},
    {"iPad2,7", "iPad mini (CDMA)", "iPad mini", "com.apple.ipad-mini-black-wifi.icns"},
    {"iPad3,1", "iPad 3rd Gen (WiFi)", "iPad 3", "com.apple.ipad-3-black.icns"},
    {"iPad3,2", "iPad 3rd Gen (CDMA)", "iPad 3", "com.apple.ipad-3-black.icns"},
    {"iPad3,3", "iPad 3rd Gen (GSM)", "iPad 3", "com.apple.ipad-3-black.icns"},
    {"iPad3,4", "iPad 4th Gen (WiFi)", "iPad 4", "com.apple.ipad-4-black.icns"},
    {"iPad3,5", "iPad 4th Gen (GSM)", "iPad 4", "com.apple.ipad-4-black.icns"},
    {"iPad3,6", "iPad 4th Gen (CDMA)", "iPad 4", "com.apple.ipad-4-black.icns"},
    {"iPad4,1", "iPad Air (WiFi)", "Air", "com.apple.ipad-air-99989b.icns"},
    {"iPad4,2", "iPad Air (Cellular)", "Air", "com.apple.ipad-air-99989b.icns"},
    {"iPad4,3", "iPad Air (China)", "Air", "com.apple.ipad-air-99989b.icns"},
    {"iPad4,4", "iPad mini 2 (WiFi)", "iPad mini 2", "com.apple.ipad-mini-2-99989b.icns"},
    {"iPad4,5", "iPad mini 2 (Cellular)", "iPad mini 2", "com.apple.ipad-mini-2-99989b.icns"},
    {"iPad4,6", "iPad mini 2 (China)", "iPad mini 2", "com.apple.ipad-mini-2-99989b.icns"},
    {"iPad4,7", "iPad mini 3 (WiFi)", "iPad mini 3", "com.apple.ipad-mini-3-b4b5b9.icns"},
    {"iPad4,8", "iPad mini 3 (Cellular)", "iPad mini 3", "com.apple.ipad-mini-3-b4b5b9.icns"},
    {"iPad4,9", "iPad mini 3 (China)", "iPad mini 3", "com.apple.ipad-mini-3-b4b5b9.icns"},
    {"iPad5,1", "iPad mini 4 (WiFi)", "iPad mini 4", "com.apple.ipad-mini-4-b4b5b9.icns"},
    {"iPad5,2", "iPad mini 4 (Cellular)", "iPad mini 4", "com.apple.ipad-mini-4-b4b5b9.icns"},
    {"iPad5,3", "iPad Air 2 (WiFi)", "Air 2", "com.apple.ipad-air-2-b4b5b9.icns"},
    {"iPad5,4", "iPad Air 2 (Cellular)", "Air 2", "com.apple.ipad-air-2-b4b5b9.icns"},
    {"iPad6,3", "iPad Pro 9.7 inch (WiFi)", "iPad Pro 9.7", "com.apple.ipad-pro-9point7-wifi-b9b7ba.icns"},
    {"iPad6,4", "iPad Pro 9.7 inch (Cellular)", "iPad Pro 9.7", "com.apple.ipad-pro-9point7-wifi-b9b7ba.icns"},
    {"iPad6,7", "iPad Pro 12.9 inch (WiFi)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-b9b7ba.icns"},
    {"iPad6,8", "iPad Pro 12.9 inch (Cellular)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-b9b7ba.icns"},
    {"iPad6,11", "iPad (2017)", "iPad", "com.apple.ipad-pro-9point7-wifi-b9b7ba.icns"},
    {"iPad6,12", "iPad (2017)", "iPad", "com.apple.ipad-pro-9point7-wifi-b9b7ba.icns"},
    {"iPad7,1", "iPad Pro 12.9 inch 2nd Gen (WiFi)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-b9b7ba.icns"},
    {"iPad7,2", "iPad Pro 12.9 inch 2nd Gen (Cellular)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-b9b7ba.icns"},
    {"iPad7,3", "iPad Pro 10.5 inch (WiFi)", "iPad Pro 10.5", "com.apple.ipad-pro-10point5-b9b7ba.icns"},
    {"iPad7,4", "iPad Pro 10.5 inch (Cellular)", "iPad Pro 10.5", "com.apple.ipad-pro-10point5-b9b7ba.icns"},
    {"iPad7,5", "iPad 6th Gen (WiFi)", "iPad 6", "com.apple.ipad-6-b9b7ba.icns"},
    {"iPad7,6", "iPad 6th Gen (Cellular)", "iPad 6", "com.apple.ipad-6-b9b7ba.icns"},
    {"iPad7,11", "iPad 7th Gen 10.2 inch (WiFi)", "iPad 7", "com.apple.ipad-7-b9b7ba.icns"},
    {"iPad7,12", "iPad 7th Gen 10.2 inch (Cellular)", "iPad 7", "com.apple.ipad-7-b9b7ba.icns"},
    {"iPad8,1", "iPad Pro 11 inch (WiFi)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,2", "iPad Pro 11 inch (1TB, WiFi)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,3", "iPad Pro 11 inch (Cellular)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,4", "iPad Pro 11 inch (1TB, Cellular)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,5", "iPad Pro 12.9 inch 3rd Gen (WiFi)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad8,6", "iPad Pro 12.9 inch 3rd Gen (1TB, WiFi)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad8,7", "iPad Pro 12.9 inch 3rd Gen (Cellular)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad8,8", "iPad Pro 12.9 inch 3rd Gen (1TB, Cellular)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad8,9", "iPad Pro 11 inch 2nd Gen (WiFi)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,10", "iPad Pro 11 inch 2nd Gen (Cellular)", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad8,11", "iPad Pro 12.9 inch 4th Gen (WiFi)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad8,12", "iPad Pro 12.9 inch 4th Gen (Cellular)", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad11,1", "iPad mini 5th Gen (WiFi)", "iPad mini 5", "com.apple.ipad-mini-5-1.icns"},
    {"iPad11,2", "iPad mini 5th Gen (Cellular)", "iPad mini 5", "com.apple.ipad-mini-5-1.icns"},
    {"iPad11,3", "iPad Air 3rd Gen (WiFi)", "Air 3", "com.apple.ipad-air-3-1.icns"},
    {"iPad11,4", "iPad Air 3rd Gen (Cellular)", "Air 3", "com.apple.ipad-air-3-1.icns"},
    {"iPad11,6", "iPad 8th Gen (WiFi)", "iPad 8", "com.apple.ipad-8-1.icns"},
    {"iPad11,7", "iPad 8th Gen (Cellular)", "iPad 8", "com.apple.ipad-8-1.icns"},
    {"iPad13,1", "iPad Air 4th Gen (WiFi)", "Air 4", "com.apple.ipad-air-4-1.icns"},
    {"iPad13,2", "iPad Air 4th Gen (Cellular)", "Air 4", "com.apple.ipad-air-4-1.icns"},
    {"iPad13,4", "iPad Pro 11 inch 3rd Gen", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad13,5", "iPad Pro 11 inch 3rd Gen", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad13,6", "iPad Pro 11 inch 3rd Gen", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad13,7", "iPad Pro 11 inch 3rd Gen", "iPad Pro 11", "com.apple.ipad-pro-11-1.icns"},
    {"iPad13,8", "iPad Pro 12.9 inch 5th Gen", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad13,9", "iPad Pro 12.9 inch 5th Gen", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad13,10", "iPad Pro 12.9 inch 5th Gen", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad13,11", "iPad Pro 12.9 inch 5th Gen", "iPad Pro 12.9", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad13,16", "iPad Air 5th Gen (WiFi)", "Air 5", "com.apple.ipad-air-5-1.icns"},
    {"iPad13,17", "iPad Air 5th Gen (Cellular)", "Air 5", "com.apple.ipad-air-5-1.icns"},
    {"iPad13,18", "iPad 10th Gen", "iPad 10", "com.apple.ipad-10-1.icns"},
    {"iPad13,19", "iPad 10th Gen", "iPad 10", "com.apple.ipad-10-1.icns"},
    {"iPad14,3-A", "iPad Pro 11 inch 4th Gen", "iPad Pro", "com.apple.ipad-pro-11-1.icns"},
    {"iPad14,3-B", "iPad Pro 11 inch 4th Gen", "iPad Pro", "com.apple.ipad-pro-11-1.icns"},
    {"iPad14,4-A", "iPad Pro 11 inch 4th Gen", "iPad Pro", "com.apple.ipad-pro-11-1.icns"},
    {"iPad14,4-B", "iPad Pro 11 inch 4th Gen", "iPad Pro", "com.apple.ipad-pro-11-1.icns"},
    {"iPad14,5-A", "iPad Pro 12.9 inch 6th Gen", "iPad Pro", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad14,5-B", "iPad Pro 12.9 inch 6th Gen", "iPad Pro", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad14,6-A", "iPad Pro 12.9 inch 6th Gen", "iPad Pro", "com.apple.ipad-pro-12point9-2.icns"},
    {"iPad14,6-B", "iPad Pro 12.9 inch 6th Gen", "iPad Pro", "com.apple.ipad-pro-12point9-2.icns"},
};

constexpr Row watches[] = {
    {"Watch1,1", "Apple Watch 38mm case", "Watch", "com.apple.watch-38mm-3.icns"},
    {"Watch1,2", "Apple Watch 42mm case", "Watch", "com.apple.watch-42mm-4.icns"},
    {"Watch2,6", "Apple Watch Series 1 38mm case", "Watch 1", "com.apple.watch-38mm-3.icns"},
    {"Watch2,7", "Apple Watch Series 1 42mm case", "Watch 1", "com.apple.watch-42mm-4.icns"},
    {"Watch2,3", "Apple Watch Series 2 38mm case", "Watch 2", "com.apple.watch-38mm-series2-2.icns"},
    {"Watch2,4", "Apple Watch Series 2 42mm case", "Watch 2", "com.apple.watch-42mm-series2-2.icns"},
    {"Watch3,1", "Apple Watch Series 3 38mm case (GPS+Cellular)", "Watch 3", "com.apple.watch-38mm-series3-11.icns"},
    {"Watch3,2", "Apple Watch Series 3 42mm case (GPS+Cellular)", "Watch 3", "com.apple.watch-42mm-series3-11.icns"},
    {"Watch3,3", "Apple Watch Series 3 38mm case (GPS)", "Watch 3", "com.apple.watch-38mm-series3-11.icns"},
    {"Watch3,4", "Apple Watch Series 3 42mm case (GPS)", "Watch 3", "com.apple.watch-42mm-series3-11.icns"},
    {"Watch4,1", "Apple Watch Series 4 40mm case (GPS)", "Watch 4", "com.apple.watch-series4-6.icns"},
    {"Watch4,2", "Apple Watch Series 4 44mm case (GPS)", "Watch 4", "com.apple.watch-series4-6.icns"},
    {"Watch4,3", "Apple Watch Series 4 40mm case (GPS+Cellular)", "Watch 4", "com.apple.watch-series4-6.icns"},
    {"Watch4,4", "Apple Watch Series 4 44mm case (GPS+Cellular)", "Watch 4", "com.apple.watch-series4-6.icns"},
    {"Watch5,1", "Apple Watch Series 5 40mm case (GPS)", "Watch 5", "com.apple.watch-series5-1.icns"},
    {"Watch5,2", "Apple Watch Series 5 44mm case (GPS)", "Watch 5", "com.apple.watch-series5-1.icns"},
    {"Watch5,3", "Apple Watch Series 5 40mm case (GPS+Cellular)", "Watch 5", "com.apple.watch-series5-1.icns"},
    {"Watch5,4", "Apple Watch Series 5 44mm case (GPS+Cellular)", "Watch 5", "com.apple.watch-series5-1.icns"},
    {"Watch5,9", "Apple Watch SE 40mm case (GPS)", "Watch SE", "com.apple.watch-se-1.icns"},
    {"Watch5,10", "Apple Watch SE 44mm case (GPS)", "Watch SE", "com.apple.watch-se-1.icns"},
    {"Watch5,11", "Apple Watch SE 40mm case (GPS+Cellular)", "Watch SE", "com.apple.watch-se-1.icns"},
    {"Watch5,12", "Apple Watch SE 44mm case (GPS+Cellular)", "Watch SE", "com.apple.watch-se-1.icns"},
    {"Watch6,1", "Apple Watch Series 6 40mm case (GPS)", "Watch 6", "com.apple.watch-series6-2.icns"},
    // The 44 mm case of the same series, under the regular identifier form.
    {"Watch6,2", "Apple Watch Series 6 44mm case (GPS)", "Watch 6", "com.apple.watch-series6-2.icns"},
    {"Watch6,3", "Apple Watch Series 6 40mm case (GPS+Cellular)", "Watch 6", "com.apple.watch-series6-2.icns"},
    {"Watch6,4", "Apple Watch Series 6 44mm case (GPS+Cellular)", "Watch 6", "com.apple.watch-series6-2.icns"},
    {"Watch6,6", "Apple Watch Series 7 41mm case (GPS)", "Watch 7", "com.apple.watch-series7-2.icns"},
    {"Watch6,7", "Apple Watch Series 7 45mm case (GPS)", "Watch 7", "com.apple.watch-series7-2.icns"},
    {"Watch6,8", "Apple Watch Series 7 41mm case (GPS+Cellular)", "Watch 7", "com.apple.watch-series7-2.icns"},
    {"Watch6,9", "Apple Watch Series 7 45mm case (GPS+Cellular)", "Watch 7", "com.apple.watch-series7-2.icns"},
    {"Watch6,10", "Apple Watch SE 40mm case (GPS)", "Watch SE", "com.apple.watch-series6-2.icns"},
    {"Watch6,11", "Apple Watch SE 44mm case (GPS)", "Watch SE", "com.apple.watch-series6-2.icns"},
    {"Watch6,12", "Apple Watch SE 40mm case (GPS+Cellular)", "Watch SE", "com.apple.watch-se-2nd-2.icns"},
    {"Watch6,13", "Apple Watch SE 44mm case (GPS+Cellular)", "Watch SE", "com.apple.watch-se-2nd-2.icns"},
    {"Watch6,14", "Apple Watch Series 8 41mm case (GPS)", "Watch 8", "com.apple.watch-series6-2.icns"},
    {"Watch6,15", "Apple Watch Series 8 45mm case (GPS)", "Watch 8", "com.apple.watch-series6-2.icns"},
    {"Watch6,16", "Apple Watch Series 8 41mm case (GPS+Cellular)", "Watch 8", "com.apple.watch-series7-2.icns"},
    {"Watch6,17", "Apple Watch Series 8 45mm case (GPS+Cellular)", "Watch 8", "com.apple.watch-series7-2.icns"},
    {"Watch6,18", "Apple Watch Ultra", "Watch Ultra", "com.apple.watch-u-8.icns"},
};

template <typename Kind, std::size_t N>
std::unique_ptr<MobileDevice> lookUp(const Row (&table)[N], const QString& model, const Row* fallback)
{
    const Row* found = fallback;
    for (const Row& row : table) {
        if (model == QLatin1String(row.identifier)) {
            found = &row;
            break;
        }
    }
    if (!found)
        return nullptr;
    auto device = std::make_unique<Kind>(QString::fromUtf8(found->name), QString::fromUtf8(found->shortName));
    if (found->icon)
        device->setIconName(QString::fromLatin1(found->icon));
    return device;
}

constexpr Row phoneFallback{"", "iPhone", "iPhone", "com.apple.iphone-14-pro-2.icns"};
constexpr Row tabletFallback{"", "iPad", "iPad", "com.apple.ipad-pro-12point9-2.icns"};
constexpr Row watchFallback{"", "Apple Watch", "Apple Watch", "com.apple.watch-38mm-4.icns"};

} // namespace

std::unique_ptr<MobileDevice> MobileDevices::device(const QString& model)
{
    if (model.contains(QStringLiteral("iPhone")))
        return phone(model);
    if (model.contains(QStringLiteral("iPod")))
        return audio(model);
    if (model.contains(QStringLiteral("iPad")))
        return tablet(model);
    if (model.contains(QStringLiteral("Watch")))
        return watch(model);
    return nullptr;
}

std::unique_ptr<MobileDevice> MobileDevices::phone(const QString& model)
{
    return lookUp<Phone>(phones, model, &phoneFallback);
}

std::unique_ptr<MobileDevice> MobileDevices::audio(const QString& model)
{
    return lookUp<Audio>(musicPlayers, model, nullptr);
}

std::unique_ptr<MobileDevice> MobileDevices::tablet(const QString& model)
{
    return lookUp<Tablet>(tablets, model, &tabletFallback);
}

std::unique_ptr<MobileDevice> MobileDevices::watch(const QString& model)
{
    return lookUp<Watch>(watches, model, &watchFallback);
}

std::size_t MobileDevices::phoneCount()
{
    return std::size(phones);
}

std::size_t MobileDevices::audioCount()
{
    return std::size(musicPlayers);
}

std::size_t MobileDevices::tabletCount()
{
    return std::size(tablets);
}

std::size_t MobileDevices::watchCount()
{
    return std::size(watches);
}

} // namespace BaseKit
