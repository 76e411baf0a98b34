#include "SystemKit/Graphics/GraphicsCardController.h"

#include "SystemKit/Graphics/AmdGpu.h"
#include "SystemKit/Graphics/AppleGpu.h"
#include "SystemKit/Graphics/IntelGpu.h"
#include "SystemKit/Graphics/Vendors.h"

#include <algorithm>

namespace SystemKit {

GraphicsCardController::GraphicsCardController(QObject* parent)
    : GraphicsCardController(DataStorageMode::all, 30, {}, parent)
{
}

GraphicsCardController::GraphicsCardController(DataStorageMode mode, int historySize, GraphicsEnvironment environment,
                                               QObject* parent)
    : QObject(parent)
    , m_environment(environment.completed())
    , m_mode(mode)
    , m_historySize(historySize)
{
    setGraphicsCards(discoverGraphicsCards());
}

GraphicsCardController::~GraphicsCardController() = default;

const QString& GraphicsCardController::serviceName()
{
    static const QString name = QStringLiteral("IOAccelerator");
    return name;
}

GraphicsCardController::CardList GraphicsCardController::discoverGraphicsCards() const
{
    const Platform::Registry& registry = m_environment.registryToRead();
    const QString vendorKey = QStringLiteral("vendor-id");
    CardList cards;
    for (const Platform::RegistryEntryId entry : registry.entriesOfClass(serviceName())) {
        const auto parent = registry.parent(entry);
        if (!parent)
            continue;
        const QString path = registry.path(entry);
        const QString parentPath = registry.path(*parent);
        if (path.isEmpty() || parentPath.isEmpty())
            continue;
        auto vendor = registry.property(entry, vendorKey).toData();
        if (!vendor)
            vendor = registry.property(*parent, vendorKey).toData();
        if (!vendor)
            continue;
        if (*vendor == Vendors::amd())
            cards.push_back(std::make_shared<AmdGpu>(path, parentPath, m_mode, m_historySize, m_environment));
        else if (*vendor == Vendors::apple())
            cards.push_back(std::make_shared<AppleGpu>(path, m_mode, m_historySize, m_environment));
        else if (*vendor == Vendors::intel())
            cards.push_back(std::make_shared<IntelGpu>(path, parentPath, m_mode, m_historySize, m_environment));
        registry.release(entry);
        registry.release(*parent);
    }
    std::stable_sort(cards.begin(), cards.end(), [](const std::shared_ptr<IGpu>& a, const std::shared_ptr<IGpu>& b) {
        return a->priority() > b->priority();
    });
    return cards;
}

void GraphicsCardController::setGraphicsCards(CardList cards)
{
    m_graphicsCards = std::move(cards);
    emit graphicsCardsChanged();
}

void GraphicsCardController::start(double interval)
{
    setGraphicsCards(discoverGraphicsCards());
    if (m_timer.start(this, interval, &GraphicsCardController::refresh))
        emit timerChanged();
}

void GraphicsCardController::stop()
{
    m_timer.stop();
    emit timerChanged();
}

void GraphicsCardController::refresh()
{
    for (const auto& card : m_graphicsCards)
        card->update();
    m_primary = m_graphicsCards.empty() ? nullptr : m_graphicsCards.front();
    emit primaryChanged();
    emit graphicsCardUpdated();
}

} // namespace SystemKit
