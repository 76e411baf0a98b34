#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <cstdint>
#include <memory>

namespace SystemKit {

// One process's traffic in one listing: its byte totals as the tool reports them and their growth
// since the previous listing (bytes per listing). Every listing makes new objects with new ids; two
// objects are equal when their ids are.
class TrafficProcess : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool firstRefresh READ firstRefresh WRITE setFirstRefresh NOTIFY firstRefreshChanged)
    Q_PROPERTY(QUuid id READ id WRITE setId NOTIFY idChanged)
    Q_PROPERTY(quint64 downloadSpeed READ downloadSpeed WRITE setDownloadSpeed NOTIFY downloadSpeedChanged)
    Q_PROPERTY(quint64 uploadSpeed READ uploadSpeed WRITE setUploadSpeed NOTIFY uploadSpeedChanged)

public:
    // A new id, `firstRefresh` true, both speeds 0.
    TrafficProcess(QUrl executable, QString name, std::uint32_t pid, std::uint64_t download, std::uint64_t upload);

    bool firstRefresh() const { return m_firstRefresh; }
    void setFirstRefresh(bool value);
    const QUuid& id() const { return m_id; }
    void setId(const QUuid& id);
    const QUrl& executable() const { return m_executable; }
    const QString& name() const { return m_name; }
    std::uint32_t pid() const { return m_pid; }
    std::uint64_t download() const { return m_download; }
    std::uint64_t upload() const { return m_upload; }
    std::uint64_t downloadSpeed() const { return m_downloadSpeed; }
    void setDownloadSpeed(std::uint64_t bytes);
    std::uint64_t uploadSpeed() const { return m_uploadSpeed; }
    void setUploadSpeed(std::uint64_t bytes);

    // Sums that cannot overflow in practice (byte totals stay far below 2^63); they wrap if they do.
    std::uint64_t total() const { return m_download + m_upload; }
    std::uint64_t speed() const { return m_downloadSpeed + m_uploadSpeed; }

    bool operator==(const TrafficProcess& other) const { return m_id == other.m_id; }

signals:
    void firstRefreshChanged();
    void idChanged();
    void downloadSpeedChanged();
    void uploadSpeedChanged();

private:
    bool m_firstRefresh = true;
    QUuid m_id;
    QUrl m_executable;
    QString m_name;
    std::uint32_t m_pid = 0;
    std::uint64_t m_download = 0;
    std::uint64_t m_upload = 0;
    std::uint64_t m_downloadSpeed = 0;
    std::uint64_t m_uploadSpeed = 0;
};

using TrafficProcessList = QList<std::shared_ptr<TrafficProcess>>;

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::TrafficProcessList)
