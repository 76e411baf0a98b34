#pragma once

#include "BaseKit/Apps/AppSource.h"

#include <QIcon>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace BaseKit {

// One installed application: a desktop entry. `baseUrl` is the entry file, `identifier` its
// desktop-file id (reverse DNS for applications that follow the convention), `name` its name in the
// user's language, `version` the newest release of its AppStream metainfo. Shared, never copied.
class App {
public:
    App(QString baseUrl, QString name, QString identifier);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    const QString baseUrl;
    const QString name;
    const QString identifier;
    std::optional<QString> version;
    std::optional<QString> copyright;
    std::vector<std::shared_ptr<App>> children;
    AppSource store = AppSource::other;

    // The application's icon, looked up on the first read (main thread) and kept.
    QIcon icon();
    void setIcon(const QIcon& icon);
    // Size in bytes of the entry (a file) or of the folder behind `baseUrl`.
    std::uint64_t size() const;
    // This application's identifier, then those of its children, depth first.
    QStringList allIdentifiers() const;

private:
    std::optional<QIcon> m_icon;
};

} // namespace BaseKit
