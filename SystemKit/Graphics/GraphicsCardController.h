#pragma once

#include "SystemKit/Graphics/DataStorageMode.h"
#include "SystemKit/Graphics/GraphicsEnvironment.h"
#include "SystemKit/Graphics/IGpu.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

namespace SystemKit {

// The graphics-card sampler. It finds every graphics accelerator in the registry, makes one card
// object per accelerator of a known vendor (AMD, Apple, Intel), samples them all once per timer
// tick and names the primary card: the first of the list, which lists AMD cards first and keeps the
// registry's order otherwise. The card list is made anew at construction and at every start.
//
// Everything runs on the main thread. Every property notifies on every write, also of an
// unchanged value; graphicsCardUpdated() ends every refresh.
class GraphicsCardController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(SystemKit::IGpu* primary READ primary NOTIFY primaryChanged)

public:
    using CardList = std::vector<std::shared_ptr<IGpu>>;

    // Mode all, a history of 30 samples, this machine's registry.
    explicit GraphicsCardController(QObject* parent = nullptr);
    // Discovers and samples the cards once; starts no timer.
    GraphicsCardController(DataStorageMode mode, int historySize, GraphicsEnvironment environment = {},
                           QObject* parent = nullptr);
    ~GraphicsCardController() override;

    // The registry class the discovery matches.
    static const QString& serviceName();

    // Finds and builds the cards, each sampled once, ordered by priority (stable); changes no property.
    CardList discoverGraphicsCards() const;
    // Discovers the cards again, then starts calling refresh() every `interval` seconds when no
    // timer runs (a running timer keeps its interval).
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // One sample of every card, then the primary card, then graphicsCardUpdated().
    Q_INVOKABLE void refresh();

    QTimer* timer() const { return m_timer.timer(); }
    const CardList& graphicsCards() const { return m_graphicsCards; }
    // The card shown as the machine's graphics card; null before the first refresh and when there
    // is none. It stays alive until the next refresh names another.
    IGpu* primary() const { return m_primary.get(); }
    const std::shared_ptr<IGpu>& primaryCard() const { return m_primary; }
    DataStorageMode mode() const { return m_mode; }
    int historySize() const { return m_historySize; }

signals:
    void timerChanged();
    void graphicsCardsChanged();
    void primaryChanged();
    // Sent at the end of every refresh.
    void graphicsCardUpdated();

private:
    void setGraphicsCards(CardList cards);

    GraphicsEnvironment m_environment;
    BaseKit::SamplerTimer m_timer;
    CardList m_graphicsCards;
    std::shared_ptr<IGpu> m_primary;
    DataStorageMode m_mode;
    int m_historySize;
};

} // namespace SystemKit
