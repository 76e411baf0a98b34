#include "BaseKit/System/AppleHardwareDetails.h"

#include "BaseKit/System/JsonText.h"

#include <QJsonValue>

namespace BaseKit {

QByteArray AppleHardwareDetails::encode() const
{
    return JsonText::object({{"processor", processor},
                             {"description", description},
                             {"marketingModel", marketingModel},
                             {"model", model}});
}

std::optional<AppleHardwareDetails> AppleHardwareDetails::fromJson(const QJsonObject& object)
{
    AppleHardwareDetails details;
    const std::pair<const char*, QString*> fields[] = {{"processor", &details.processor},
                                                       {"description", &details.description},
                                                       {"marketingModel", &details.marketingModel},
                                                       {"model", &details.model}};
    for (const auto& [key, field] : fields) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString())
            return std::nullopt;
        *field = value.toString();
    }
    return details;
}

} // namespace BaseKit
