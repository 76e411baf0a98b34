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
// 2^64: the first rate past the 64-bit ones, which gets no label.
constexpr double twoTo64 = 18446744073709551616.0;

// Whether the compact rate text of a rate (bytes per second) shows it without rounding.
bool showsExactly(double rate)
{
    if (!(rate >= 0) || rate >= twoTo64 || std::floor(rate) != rate)
        return false;
    const auto value = std::uint64_t(rate);
    // Whole bytes, whole kilobytes, whole megabytes, then gigabytes with two decimals (quarters of
    // a gigabyte are the finest the two decimals hold without rounding).
    if (value < (1ULL << 10))
        return true;
    if (value < (1ULL << 20))
        return value % (1ULL << 10) == 0;
    if (value < (1ULL << 30))
        return value % (1ULL << 20) == 0;
    return value % (1ULL << 28) == 0;
}

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

NetworkUsageView::Grid NetworkUsageView::grid(const QList<NetworkHistoryItem>& history)
{
    double largest = 0;
    for (const NetworkHistoryItem& item : history)
        largest = std::max(largest, double(item.value));
    // The step: the smallest of 1, 2 and 5 times a power of ten of one of the label's units (B/s,
    // KB/s, MB/s, GB/s) that reaches past the largest value within maxIntervals steps and puts every
    // line on a rate its label shows exactly. The top line stands one step above the largest value's
    // step, so a flat curve stays under it; a quiet link charts 0...1 B/s.
    const auto fits = [largest](double step) {
        const double intervals = std::floor(largest / step) + 1;
        if (intervals > maxIntervals)
            return false;
        for (double i = 1; i <= intervals; i += 1) {
            if (i * step < twoTo64 && !showsExactly(i * step))
                return false;
        }
        return true;
    };
    double step = 0;
    for (double unit : {1.0, 1024.0, 1048576.0}) {
        for (double factor : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0}) {
            if (!step && fits(factor * unit))
                step = factor * unit;
        }
    }
    // Above 1024 MB/s the steps go on in whole GB/s, as far as the largest rate needs.
    for (double power = 1073741824.0; !step; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (!step && fits(factor * power))
                step = factor * power;
        }
    }
    Grid grid;
    const double intervals = std::floor(largest / step) + 1;
    grid.domain = ViewKit::VKChartDomain{0, intervals * step};
    for (double i = 0; i <= intervals; i += 1)
        grid.values.push_back(i * step);
    return grid;
}

QString NetworkUsageView::gridLabel(double value)
{
    if (!std::isfinite(value) || value < 0 || value >= twoTo64 || std::floor(value) != value)
        return QString();
    return BaseKit::IO::compactRateText(std::uint64_t(value), false);
}

void NetworkUsageView::paintHistory(QPainter& painter, const QRectF& rect, const QList<NetworkHistoryItem>& history,
                                    const QColor& color, bool showLegends, ViewKit::VKColorScheme scheme)
{
    const std::vector<double> values = seriesValues(history);
    const Grid lines = grid(history);
    ViewKit::VKAreaLineChart chart;
    chart.domain = lines.domain;
    chart.gridValues = lines.values;
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
