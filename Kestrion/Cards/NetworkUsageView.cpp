#include "Kestrion/Cards/NetworkUsageView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/LegendButton.h"
#include "Kestrion/Models/NetworkModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include "BaseKit/IO.h"
#include "LanguageKit/LKResources.h"
#include "ViewKit/VKChart.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKNoNetworkAdapterView.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using SystemKit::NetworkController;
using SystemKit::NetworkHistoryItem;
using ViewKit::VKTheme;

const QColor NetworkUsageView::downloadColor = QColor(30, 190, 155);
const QColor NetworkUsageView::uploadColor = QColor(230, 75, 60);

namespace {

std::vector<double> seriesValues(const QList<NetworkHistoryItem>& history)
{
    std::vector<double> values;
    values.reserve(size_t(history.size()));
    for (const NetworkHistoryItem& item : history)
        values.push_back(double(item.value));
    return values;
}

constexpr qreal labelGap = 4;

} // namespace

NetworkUsageView::NetworkUsageView(NetworkModel& model, AppSettings& settings, CardLookSettings& look,
                                   QWidget* parent)
    : CardView(look, Padding::standard, 0, parent)
    , m_model(&model)
    , m_settings(settings)
    , m_placeholder(new ViewKit::VKNoNetworkAdapterView(false, 48, this))
    , m_body(new QWidget(this))
    , m_title(new CardTitle(LKResources::localized(LKLocalizedString::networkUsage), m_body))
{
    m_legend = new LegendButton([this] { return showLegends(); },
                                [this] { m_settings.setBool(SettingKey::showLegends, !showLegends()); }, m_body);
    auto chart = [this](bool download) {
        return new CardCanvas(chartHeight + 2 * VKTheme::defaultPadding, [this, download](QPainter& painter, const QRectF& rect) {
            if (!m_model)
                return;
            const NetworkController& controller = *m_model->controller();
            const qreal pad = VKTheme::defaultPadding;
            paintHistory(painter, rect.adjusted(pad, pad, -pad, -pad),
                         download ? controller.downloadHistory() : controller.uploadHistory(),
                         download ? downloadColor : uploadColor, showLegends(),
                         VKTheme::scheme(download ? m_download : m_upload));
        }, m_body);
    };
    m_download = chart(true);
    m_upload = chart(false);
    // A history that moved on without changing what it shows (a quiet link: zeros only) paints nothing.
    for (CardCanvas* canvas : {m_download, m_upload}) {
        const bool download = canvas == m_download;
        canvas->setParts([this, canvas, download] {
            CardCanvas::Part whole{QRectF(canvas->rect()), {}};
            if (m_model) {
                const NetworkController& controller = *m_model->controller();
                for (const NetworkHistoryItem& item : download ? controller.downloadHistory() : controller.uploadHistory())
                    whole.key.append(reinterpret_cast<const char*>(&item.value), sizeof item.value);
            }
            whole.key.append(showLegends() ? '1' : '0');
            return std::vector<CardCanvas::Part>{whole};
        });
    }
    m_downloadRow = ViewKit::VKDoubleTextView::withLocalized(LKLocalizedString::downloadSpeed, QString(), std::nullopt, m_body);
    m_uploadRow = ViewKit::VKDoubleTextView::withLocalized(LKLocalizedString::uploadSpeed, QString(), std::nullopt, m_body);

    auto* header = new QHBoxLayout;
    header->setSpacing(int(VKTheme::defaultSpacing));
    header->addWidget(m_title, 1);
    header->addWidget(m_legend);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(8);
    rows->addWidget(m_downloadRow);
    rows->addWidget(m_uploadRow);
    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(int(VKTheme::defaultSpacing));
    body->addLayout(header);
    auto* charts = new QVBoxLayout;
    charts->setSpacing(16);
    charts->addWidget(m_download);
    charts->addWidget(m_upload);
    charts->addLayout(rows);
    body->addLayout(charts);
    contentLayout()->addWidget(m_placeholder);
    contentLayout()->addWidget(m_body);

    NetworkController* controller = model.controller();
    connect(controller, &NetworkController::adapterChanged, this, &NetworkUsageView::contentChanged);
    connect(controller, &NetworkController::adapterDownloadChanged, this, &NetworkUsageView::contentChanged);
    connect(controller, &NetworkController::adapterUploadChanged, this, &NetworkUsageView::contentChanged);
    connect(controller, &NetworkController::downloadHistoryChanged, m_download, &CardCanvas::follow);
    connect(controller, &NetworkController::uploadHistoryChanged, m_upload, &CardCanvas::follow);
    connect(&settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (key != SettingKey::showLegends)
            return;
        m_legend->update();
        m_download->update();
        m_upload->update();
    });
    refresh();
}

bool NetworkUsageView::showLegends() const
{
    return m_settings.boolValue(SettingKey::showLegends);
}

bool NetworkUsageView::showsPlaceholder() const
{
    return !m_placeholder->isHidden();
}

void NetworkUsageView::refresh()
{
    const NetworkController* controller = m_model ? m_model->controller() : nullptr;
    const bool hasAdapter = controller && controller->adapter();
    m_placeholder->setHidden(hasAdapter);
    m_body->setHidden(!hasAdapter);
    if (!hasAdapter)
        return;
    m_downloadRow->setRight(BaseKit::IO::rateText(controller->downloadSpeed(), false));
    m_uploadRow->setRight(BaseKit::IO::rateText(controller->uploadSpeed(), false));
}

std::vector<double> NetworkUsageView::gridValues(const QList<NetworkHistoryItem>& history)
{
    const std::vector<double> values = seriesValues(history);
    // Over a history of zeros the domain is 0...1, never an empty range.
    const ViewKit::VKChartDomain domain = ViewKit::automaticDomain(values);
    return ViewKit::niceTicks(domain.lower, domain.upper, 3);
}

QString NetworkUsageView::gridLabel(double value)
{
    if (!std::isfinite(value) || value < 0 || value >= 18446744073709551616.0 || std::floor(value) != value)
        return QString();
    return BaseKit::IO::compactRateText(std::uint64_t(value), false);
}

void NetworkUsageView::paintHistory(QPainter& painter, const QRectF& rect, const QList<NetworkHistoryItem>& history,
                                    const QColor& color, bool showLegends, ViewKit::VKColorScheme scheme)
{
    const std::vector<double> values = seriesValues(history);
    ViewKit::VKAreaLineChart chart;
    chart.domain = ViewKit::automaticDomain(values);
    chart.gridValues = ViewKit::niceTicks(chart.domain->lower, chart.domain->upper, 3);
    chart.areaColor = color;
    chart.areaColor.setAlphaF(0.2f);
    chart.lineColor = color;
    chart.lineWidth = 1.5;
    chart.gridColor = VKTheme::gridLine(scheme);

    QRectF plot = rect;
    std::vector<QString> labels;
    if (showLegends) {
        const QFont font = VKTheme::font(ViewKit::VKTextStyle::caption2);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (double value : chart.gridValues) {
            labels.push_back(gridLabel(value));
            widest = std::max(widest, metrics.horizontalAdvance(labels.back()));
        }
        if (widest > 0)
            plot.setRight(rect.right() - widest - labelGap);
        painter.save();
        painter.setFont(font);
        painter.setPen(VKTheme::secondaryText(scheme));
        const double span = chart.domain->upper - chart.domain->lower;
        for (size_t i = 0; i < labels.size(); ++i) {
            if (labels[i].isEmpty() || span <= 0)
                continue;
            const qreal y = plot.bottom() - (chart.gridValues[i] - chart.domain->lower) / span * plot.height();
            painter.drawText(QRectF(plot.right() + labelGap, y - metrics.height() / 2, widest, metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
        }
        painter.restore();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ViewKit::paintAreaLineChart(painter, plot, values, chart);
    painter.restore();
}

} // namespace Kestrion
