#include "BaseKit/System/MacDevice.h"

#include "BaseKit/System/JsonText.h"

#include <QJsonValue>

#include <charconv>

namespace BaseKit {

std::optional<int> MacDevice::year() const
{
    // Runs of decimal digits, split at every other character.
    QString run;
    const auto finish = [&run]() -> std::optional<int> {
        if (run.size() != 4)
            return std::nullopt;
        const QByteArray digits = run.toLatin1();
        int value = 0;
        const auto [ptr, ec] = std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
        if (ec != std::errc() || ptr != digits.constData() + digits.size())
            return std::nullopt;
        return value;
    };
    for (const QChar c : description) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            run += c;
            continue;
        }
        if (run.size() == 4)
            return finish();
        run.clear();
    }
    if (run.size() == 4)
        return finish();
    return std::nullopt;
}

QByteArray MacDevice::encode() const
{
    return JsonText::object({{"model", model}, {"description", description}});
}

std::optional<MacDevice> MacDevice::fromJson(const QJsonObject& object)
{
    const QJsonValue model = object.value(QStringLiteral("model"));
    const QJsonValue description = object.value(QStringLiteral("description"));
    if (!model.isString() || !description.isString())
        return std::nullopt;
    return MacDevice{model.toString(), description.toString()};
}

} // namespace BaseKit
