#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace BaseKit {

// One application of the maker's list. The texts are kept as the document gives them.
struct OtherApp {
    QString bundleIdentifier;
    QString name;
    QString german;
    QString english;
    QString iconUrl;
    QString storeUrl;

    // The addresses to fetch the icon from and to open the store page at: only https addresses are
    // used (the document comes from the network); anything else gives an empty URL, and then no icon
    // and no store button are shown.
    QUrl iconAddress() const;
    QUrl storeAddress() const;

    bool operator==(const OtherApp&) const = default;
};

// The maker's applications, in the document's order.
struct OtherApps {
    QList<OtherApp> apps;

    // The list a document holds: an object whose "apps" array holds objects with the six text members
    // "bundleIdentifier", "name", "german", "english", "iconUrl" and "storeUrl" (further members are
    // ignored). Anything else, one bad entry included, gives none.
    static std::optional<OtherApps> decode(const QByteArray& json);

    bool operator==(const OtherApps&) const = default;
};

} // namespace BaseKit
