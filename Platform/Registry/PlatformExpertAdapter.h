#pragma once

#include "Platform/Registry/RegistryAdapter.h"

namespace Platform {

// The machine's platform entry: one entry of class "IOPlatformExpertDevice" named after the model,
// with "IOPlatformSerialNumber" when the firmware's serial number can be read (the DMI serial is
// readable by root only; devicetree machines publish theirs to everyone).
class PlatformExpertAdapter : public RegistryAdapter {
public:
    explicit PlatformExpertAdapter(QString root = QStringLiteral("/"));

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;

private:
    QString entryPath() const;

    QString m_root;
};

} // namespace Platform
