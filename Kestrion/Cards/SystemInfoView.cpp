#include "Kestrion/Cards/SystemInfoView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Models/VolumesModel.h"

#include "BaseKit/IO.h"
#include "BaseKit/System/MacSystem.h"
#include "BaseKit/Text.h"
#include "LanguageKit/LKResources.h"
#include "SystemKit/Graphics/GraphicsCardController.h"
#include "SystemKit/Graphics/IGpu.h"
#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKImage.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using ViewKit::VKNamedColor;
using ViewKit::VKTextStyle;
using ViewKit::VKTheme;

namespace {

constexpr qreal pictureTrailing = 16;
constexpr qreal dividerHeight = 64;
constexpr qreal groupSpacing = 4;
constexpr qreal clusterSpacing = 12;
constexpr qreal clusterSymbol = 14;
constexpr qreal lightSide = 8;

int whole(qreal points)
{
    return int(std::lround(points));
}

// A widget painted by a function, at a fixed size.
class Painted : public QWidget
{
public:
    // Paints the widget; `self` gives the palette the colours come from.
    using Paint = std::function<void(QPainter&, const QRectF&, const QWidget* self)>;
    Painted(QSize size, Paint paint, QWidget* parent = nullptr)
        : QWidget(parent)
        , m_paint(std::move(paint))
    {
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter, QRectF(rect()), this);
    }

private:
    Paint m_paint;
};

// A vertical separator line between two groups, one device pixel wide, with the default padding at
// its sides.
QWidget* makeDivider(QWidget* parent)
{
    return new Painted(QSize(whole(1 + 2 * VKTheme::defaultPadding), whole(dividerHeight)),
                       [](QPainter& painter, const QRectF& rect, const QWidget* self) {
                           const qreal line = ViewKit::onePixelWidth(painter);
                           painter.fillRect(QRectF(rect.center().x() - line / 2, rect.top(), line, rect.height()),
                                            VKTheme::gridLine(VKTheme::scheme(self)));
                       },
                       parent);
}

// A reading the machine could not give shows the placeholder.
QString orDash(const QString& text)
{
    return text.trimmed().isEmpty() ? BaseKit::Text::dash : text;
}

QString decimal(std::uint64_t value)
{
    return QString::number(value);
}

} // namespace

SystemInfoView::SystemInfoView(SystemInfoModel& model, GpuModel* graphicsModel, VolumesModel* volumes, int sizeClass,
                               QWidget* parent)
    : QWidget(parent)
    , m_model(&model)
    , m_machine(model.machine())
    , m_graphicsModel(graphicsModel)
    , m_volumes(volumes)
    , m_sizeClass(std::clamp(sizeClass, 0, 2))
{
    const int pad = whole(VKTheme::defaultPadding);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(pad, pad, pad, pad);
    row->setSpacing(whole(rowSpacing(m_sizeClass)));

    // The computer's picture, with its trailing padding.
    const int side = whole(pictureSide(m_sizeClass));
    m_picture = new Painted(QSize(side + whole(pictureTrailing), side), [side](QPainter& painter, const QRectF&, const QWidget* self) {
        ViewKit::paintSymbol(painter, QRectF(0, 0, side, side), QStringLiteral("desktopcomputer"),
                             VKTheme::primaryText(VKTheme::scheme(self)));
    }, this);
    row->addWidget(m_picture, 0, Qt::AlignVCenter);

    auto* block = new QVBoxLayout;
    block->setContentsMargins(0, 0, 0, 0);
    block->setSpacing(whole(VKTheme::defaultSpacing));
    block->addStretch(1);
    if (m_sizeClass > 0) {
        const QFont title = VKTheme::font(VKTextStyle::largeTitle);
        const QFont headline = VKTheme::font(VKTextStyle::headline);
        const qreal titleHeight = QFontMetricsF(title).height();
        const qreal height = titleHeight + VKTheme::defaultSpacing + QFontMetricsF(headline).height();
        m_heading = new CardCanvas(height, [this, title, headline, titleHeight](QPainter& painter, const QRectF& rect) {
            const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_heading);
            const QString name = orDash(m_model ? m_model->computerName() : QString());
            painter.setFont(title);
            painter.setPen(VKTheme::primaryText(scheme));
            painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(title).elidedText(name, Qt::ElideRight, rect.width()));
            painter.setFont(headline);
            painter.setPen(VKTheme::secondaryText(scheme));
            const QRectF second(rect.left(), rect.top() + titleHeight + VKTheme::defaultSpacing, rect.width(),
                                rect.bottom() - (rect.top() + titleHeight + VKTheme::defaultSpacing));
            painter.drawText(second, Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(headline).elidedText(m_machine->operatingSystemText(),
                                                               Qt::ElideRight, rect.width()));
        }, this);
        block->addWidget(m_heading);
    }

    auto* groups = new QHBoxLayout;
    groups->setContentsMargins(0, 0, 0, 0);
    groups->setSpacing(0);
    groups->addWidget(makeGroup(hardwareFacts(*m_machine, primary(), systemVolume())), 1);
    groups->addWidget(makeDivider(this), 0, Qt::AlignVCenter);
    groups->addWidget(makeGroup(processorFacts(*m_machine, m_sizeClass)), 1);
    groups->addWidget(makeDivider(this), 0, Qt::AlignVCenter);
    groups->addWidget(makeGroup(identityFacts(model)), 1);
    block->addLayout(groups);
    block->addStretch(1);
    row->addLayout(block, 1);

    // The live rows: once a second while shown, in the samplers' tick, and once now.
    refreshLiveRows();

    connect(&model, &SystemInfoModel::serialNumberChanged, this, &SystemInfoView::refreshIdentity);
    connect(&model, &SystemInfoModel::computerModelChanged, this, &SystemInfoView::refreshIdentity);
    connect(&model, &SystemInfoModel::computerNameChanged, this, [this] {
        if (m_heading)
            m_heading->update();
    });
    if (graphicsModel) {
        connect(graphicsModel, &GpuModel::controllerChanged, this, &SystemInfoView::refreshHardware);
        if (SystemKit::GraphicsCardController* controller = graphicsModel->controller())
            connect(controller, &SystemKit::GraphicsCardController::primaryChanged, this,
                    &SystemInfoView::refreshHardware);
    }
    if (volumes && volumes->controller()) {
        SystemKit::VolumesController* controller = volumes->controller();
        connect(controller, &SystemKit::VolumesController::volumesChanged, this, &SystemInfoView::refreshHardware);
        connect(controller, &SystemKit::VolumesController::lastStorageRefreshChanged, this,
                &SystemInfoView::refreshHardware);
    }
}

QWidget* SystemInfoView::makeGroup(const QList<Fact>& facts)
{
    auto* group = new QWidget(this);
    auto* stack = new QVBoxLayout(group);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(whole(groupSpacing));
    stack->addStretch(1);
    for (const Fact& fact : facts) {
        auto* view = ViewKit::VKDoubleTextView::withLocalized(fact.key, fact.text);
        m_rows[fact.key] = view;
        QWidget* extra = nullptr;
        int gap = 0;
        if (fact.key == LKLocalizedString::coreCount) {
            if (const std::optional<Clusters> counts = clusters(*m_machine, m_sizeClass)) {
                // Snowflake and efficiency count, flame and performance count.
                QList<std::pair<QString, QString>> pairs;
                if (counts->efficiency)
                    pairs.append({QStringLiteral("snowflake"), QString::number(*counts->efficiency)});
                if (counts->performance)
                    pairs.append({QStringLiteral("flame.fill"), QString::number(*counts->performance)});
                const QFontMetricsF metrics(view->font());
                qreal width = 0;
                for (const auto& [symbol, count] : pairs)
                    width += clusterSymbol + groupSpacing + metrics.horizontalAdvance(count) + groupSpacing;
                const QFont font = view->font();
                m_clusters = new Painted(QSize(int(std::ceil(width)), int(std::ceil(metrics.height()))),
                    [pairs, font](QPainter& painter, const QRectF& rect, const QWidget* self) {
                        const ViewKit::VKColorScheme scheme = VKTheme::scheme(self);
                        const QFontMetricsF metrics(font);
                        qreal x = rect.left();
                        painter.setFont(font);
                        for (const auto& [symbol, count] : pairs) {
                            const VKNamedColor tint =
                                symbol == QStringLiteral("snowflake") ? VKNamedColor::blue : VKNamedColor::orange;
                            ViewKit::paintSymbol(painter,
                                                 QRectF(x, rect.center().y() - clusterSymbol / 2, clusterSymbol, clusterSymbol),
                                                 symbol, VKTheme::color(tint, scheme));
                            x += clusterSymbol + groupSpacing;
                            painter.setPen(VKTheme::secondaryText(scheme));
                            const qreal w = metrics.horizontalAdvance(count);
                            painter.drawText(QRectF(x, rect.top(), w, rect.height()), Qt::AlignLeft | Qt::AlignVCenter, count);
                            x += w + groupSpacing;
                        }
                    });
                extra = m_clusters;
                gap = whole(clusterSpacing);
            }
        } else if (fact.key == LKLocalizedString::thermalState) {
            m_thermalLight = new Painted(QSize(whole(lightSide), whole(lightSide)), [this](QPainter& painter, const QRectF& rect, const QWidget* self) {
                ViewKit::paintSymbol(painter, rect, QStringLiteral("circle.fill"),
                                     VKTheme::color(SystemInfoModel::thermalStateColor(m_thermalState),
                                                    VKTheme::scheme(self)));
            });
            extra = m_thermalLight;
            gap = whole(groupSpacing);
        }
        if (!extra) {
            stack->addWidget(view);
            continue;
        }
        auto* line = new QHBoxLayout;
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(gap);
        line->addWidget(view, 1);
        line->addWidget(extra, 0, Qt::AlignVCenter);
        stack->addLayout(line);
    }
    stack->addStretch(1);
    return group;
}

QList<SystemInfoView::Fact> SystemInfoView::hardwareFacts(const BaseKit::MacSystem& machine,
                                                          const SystemKit::IGpu* primary,
                                                          const SystemKit::Volume* systemVolume)
{
    return {
        {LKLocalizedString::processor, orDash(machine.processorName())},
        {LKLocalizedString::graphicsCard, graphicsText(primary)},
        {LKLocalizedString::memory, orDash(machine.physicalMemoryText())},
        {LKLocalizedString::storage, storageText(systemVolume)},
    };
}

QString SystemInfoView::graphicsText(const SystemKit::IGpu* primary)
{
    return primary ? orDash(primary->model()) : LKResources::localized(LKLocalizedString::unknownGraphicsCard);
}

QString SystemInfoView::storageText(const SystemKit::Volume* systemVolume)
{
    return systemVolume ? BaseKit::IO::sizeText(systemVolume->totalBytes()) : BaseKit::Text::dash;
}

QList<SystemInfoView::Fact> SystemInfoView::processorFacts(const BaseKit::MacSystem& machine, int sizeClass)
{
    const bool small = sizeClass <= 0;
    return {
        {LKLocalizedString::identifier, orDash(machine.model())},
        {LKLocalizedString::architecture, orDash(machine.processorKind())},
        {LKLocalizedString::coreCount, decimal(small ? machine.physicalProcessorCount() : machine.coreCount())},
        {LKLocalizedString::threadCount,
         decimal(small ? machine.logicalProcessorCount() : machine.threadCount())},
    };
}

QList<SystemInfoView::Fact> SystemInfoView::identityFacts(const SystemInfoModel& model)
{
    return {
        {LKLocalizedString::serialNumber, orDash(model.serialNumber())},
        {LKLocalizedString::uptime, model.machine()->uptimeText()},
        {LKLocalizedString::model, orDash(model.computerModel())},
        {LKLocalizedString::thermalState, SystemInfoModel::thermalStateText(model.thermalState())},
    };
}

std::optional<SystemInfoView::Clusters> SystemInfoView::clusters(const BaseKit::MacSystem& machine, int sizeClass)
{
    if (sizeClass <= 0 || !machine.isAppleSilicon())
        return std::nullopt;
    Clusters counts{machine.efficiencyCoreCount(), machine.performanceCoreCount()};
    if (!counts.efficiency && !counts.performance)
        return std::nullopt;
    return counts;
}

qreal SystemInfoView::rowSpacing(int sizeClass)
{
    return 8.0 * (1 << std::clamp(sizeClass, 0, 2));
}

qreal SystemInfoView::pictureSide(int sizeClass)
{
    switch (std::clamp(sizeClass, 0, 2)) {
    case 0:
        return 80;
    case 1:
        return 96;
    default:
        return 144;
    }
}

ViewKit::VKDoubleTextView* SystemInfoView::row(LKLocalizedString key) const
{
    const auto found = m_rows.find(key);
    return found == m_rows.end() ? nullptr : found->second;
}

void SystemInfoView::refreshLiveRows()
{
    if (auto* uptime = row(LKLocalizedString::uptime))
        uptime->setRight(m_machine->uptimeText());
    if (!m_model)
        return;
    // The state is read once a tick; text and light both show that reading.
    const int state = m_model->thermalState();
    const bool changed = state != m_thermalState;
    m_thermalState = state;
    if (auto* thermal = row(LKLocalizedString::thermalState))
        thermal->setRight(SystemInfoModel::thermalStateText(state));
    if (m_thermalLight && changed)
        m_thermalLight->update();
}

void SystemInfoView::refreshHardware()
{
    // The samplers tick every second; only the graphics and storage rows can change, and a row is
    // touched only when its text did.
    const QString graphics = graphicsText(primary());
    const QString storage = storageText(systemVolume());
    for (const auto& [key, text] : {std::pair{LKLocalizedString(LKLocalizedString::graphicsCard), graphics},
                                    std::pair{LKLocalizedString(LKLocalizedString::storage), storage}}) {
        ViewKit::VKDoubleTextView* view = row(key);
        if (view && view->rightText() != text)
            view->setRight(text);
    }
}

void SystemInfoView::refreshIdentity()
{
    if (!m_model)
        return;
    if (auto* serial = row(LKLocalizedString::serialNumber))
        serial->setRight(orDash(m_model->serialNumber()));
    if (auto* model = row(LKLocalizedString::model))
        model->setRight(orDash(m_model->computerModel()));
}

const SystemKit::IGpu* SystemInfoView::primary() const
{
    if (!m_graphicsModel || !m_graphicsModel->controller())
        return nullptr;
    return m_graphicsModel->controller()->primary();
}

const SystemKit::Volume* SystemInfoView::systemVolume() const
{
    if (!m_volumes || !m_volumes->controller())
        return nullptr;
    return m_volumes->controller()->listedSystemVolume();
}

void SystemInfoView::showEvent(QShowEvent* event)
{
    refreshLiveRows();
    m_live.start(this, 1.0, &SystemInfoView::refreshLiveRows);
    QWidget::showEvent(event);
}

void SystemInfoView::hideEvent(QHideEvent* event)
{
    m_live.stop();
    QWidget::hideEvent(event);
}

} // namespace Kestrion
