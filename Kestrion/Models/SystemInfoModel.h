#pragma once

#include "ViewKit/VKTheme.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace BaseKit {
class MacSystem;
}

namespace Kestrion {

// The identity of the machine for the system-information card: serial number, computer name and
// model name, read from `machine` once when the model is built. The thermal state's colour and text are worked out
// afresh at every read.
class SystemInfoModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serialNumber READ serialNumber WRITE setSerialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString computerName READ computerName WRITE setComputerName NOTIFY computerNameChanged)
    Q_PROPERTY(QString computerModel READ computerModel WRITE setComputerModel NOTIFY computerModelChanged)

public:
    // `thermalState` gives 0 nominal, 1 fair, 2 serious, 3 critical or anything else for unknown; the
    // machine's own by default.
    explicit SystemInfoModel(std::shared_ptr<const BaseKit::MacSystem> machine, QObject* parent = nullptr);
    SystemInfoModel(std::shared_ptr<const BaseKit::MacSystem> machine, std::function<int()> thermalState,
                    QObject* parent = nullptr);

    // The machine the card shows.
    const std::shared_ptr<const BaseKit::MacSystem>& machine() const { return m_machine; }

    QString serialNumber() const { return m_serialNumber; }
    QString computerName() const { return m_computerName; }
    QString computerModel() const { return m_computerModel; }
    void setSerialNumber(const QString& value);
    void setComputerName(const QString& value);
    void setComputerModel(const QString& value);

    // The machine's thermal state now: 0 nominal, 1 fair, 2 serious, 3 critical, anything else unknown.
    int thermalState() const;
    // Green, yellow, red, red for the four states; the secondary colour for any other value.
    ViewKit::VKNamedColor thermalStateColor() const;
    // "NOMINAL", "FAIR", "SERIOUS", "CRITICAL" or "UNKNOWN", translated.
    QString thermalStateText() const;

    static ViewKit::VKNamedColor thermalStateColor(int state);
    static QString thermalStateText(int state);

signals:
    void serialNumberChanged();
    void computerNameChanged();
    void computerModelChanged();

private:
    std::shared_ptr<const BaseKit::MacSystem> m_machine;
    std::function<int()> m_thermalState;
    QString m_serialNumber = QStringLiteral("-");
    QString m_computerName = QStringLiteral("-");
    QString m_computerModel = QStringLiteral("-");
};

} // namespace Kestrion
