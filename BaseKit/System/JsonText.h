#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <utility>

namespace BaseKit {

// JSON text of small records whose keys must come out in a fixed order (QJsonObject sorts them).
struct JsonText {
    // {"key":"value",...} in the order given, texts escaped as JSON requires.
    static QByteArray object(std::initializer_list<std::pair<const char*, QString>> members);
};

} // namespace BaseKit
