#include "BaseKit/System/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace BaseKit {

namespace {

// A JSON string literal: the one element of a compact array, without its brackets.
QByteArray quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray JsonText::object(std::initializer_list<std::pair<const char*, QString>> members)
{
    QByteArray result = "{";
    bool first = true;
    for (const auto& [key, value] : members) {
        if (!first)
            result += ',';
        first = false;
        result += quoted(QString::fromUtf8(key)) + ':' + quoted(value);
    }
    return result + '}';
}

} // namespace BaseKit
