#include "Kestrion/Cards/NetworkView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Models/NetworkModel.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "BaseKit/TextUtilities.h"
#include "LanguageKit/LKResources.h"
#include "SystemKit/Network/EthernetAdapter.h"
#include "SystemKit/Network/WifiAdapter.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKNoNetworkAdapterView.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using SystemKit::NetworkController;
using ViewKit::VKTheme;

namespace {
const QString missing = QStringLiteral("-");
enum Row { hostRow, localRow, foreignRow, countryRow, rateRow, signalRow, noiseRow };
} // namespace

NetworkView::NetworkView(NetworkModel& model, HostName hostName, CardLookSettings& look, QWidget* parent)
    : CardView(look, Padding::standard, 0, parent)
    , m_model(&model)
    , m_hostName(std::move(hostName))
    , m_placeholder(new ViewKit::VKNoNetworkAdapterView(false, 48, this))
    , m_body(new QWidget(this))
{
    const qreal titleHeight = QFontMetricsF(VKTheme::titleFont()).height();
    m_header = new CardCanvas(titleHeight, [this](QPainter& painter, const QRectF& rect) {
        const SystemKit::NetworkAdapter* adapter = m_model ? m_model->controller()->adapter() : nullptr;
        if (!adapter)
            return;
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor color = VKTheme::primaryText(VKTheme::scheme(m_header));
        const QFont font = VKTheme::titleFont();
        const qreal side = QFontMetricsF(font).ascent();
        const QRectF symbol(rect.left(), rect.center().y() - side / 2, side, side);
        BaseKit::SymbolGlyphs::draw(painter, symbol, kindSymbol(*adapter), color);
        painter.setFont(font);
        painter.setPen(color);
        const QRectF text = rect.adjusted(side + VKTheme::defaultSpacing, 0, 0, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(font).elidedText(adapter->name(), Qt::ElideRight, text.width()));
    }, m_body);

    const LKLocalizedString keys[] = {LKLocalizedString::hostname,        LKLocalizedString::localAddress,
                                      LKLocalizedString::foreignAddress,  LKLocalizedString::country,
                                      LKLocalizedString::transmitRate,    LKLocalizedString::signalStrength,
                                      LKLocalizedString::noiseMeasurement};
    auto* rows = new QVBoxLayout;
    rows->setSpacing(8);
    for (LKLocalizedString key : keys) {
        m_rows.push_back(ViewKit::VKDoubleTextView::withLocalized(key, QString(), std::nullopt, m_body));
        rows->addWidget(m_rows.back());
    }
    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(16);
    body->addWidget(m_header);
    body->addLayout(rows);
    contentLayout()->addWidget(m_placeholder);
    contentLayout()->addWidget(m_body);

    NetworkController* controller = model.controller();
    // Every sample can change the adapter, its address and its Wi-Fi values.
    connect(controller, &NetworkController::speedDidUpdate, this, &NetworkView::contentChanged);
    connect(controller, &NetworkController::adapterChanged, this, &NetworkView::contentChanged);
    connect(&model, &NetworkModel::externalIpChanged, this, &NetworkView::contentChanged);
    connect(&model, &NetworkModel::countryCodeChanged, this, &NetworkView::contentChanged);
    refresh();
}

QString NetworkView::kindSymbol(const SystemKit::NetworkAdapter& adapter)
{
    if (qobject_cast<const SystemKit::EthernetAdapter*>(&adapter))
        return QStringLiteral("rectangle.connected.to.line.below");
    return QStringLiteral("wifi");
}

QString NetworkView::countryText(const std::optional<QString>& countryCode)
{
    // A code that is not two letters gives no flag, and the row shows the placeholder.
    const QString flag = countryCode ? BaseKit::TextUtilities::flagEmoji(*countryCode) : QString();
    return flag.isEmpty() ? missing : flag;
}

QString NetworkView::transmitRateText(double megabitsPerSecond)
{
    if (!std::isfinite(megabitsPerSecond) || megabitsPerSecond <= 0 || megabitsPerSecond >= 9.2e18)
        return missing;
    return QString::number(std::int64_t(std::trunc(megabitsPerSecond))) + QStringLiteral(" MBit/s");
}

QString NetworkView::decibelText(int dBm)
{
    return QString::number(dBm) + QStringLiteral(" dBm");
}

QString NetworkView::noiseText(int dBm)
{
    return dBm == 0 ? missing : decibelText(dBm);
}

bool NetworkView::showsPlaceholder() const
{
    return !m_placeholder->isHidden();
}

void NetworkView::refresh()
{
    const NetworkController* controller = m_model ? m_model->controller() : nullptr;
    const SystemKit::NetworkAdapter* adapter = controller ? controller->adapter() : nullptr;
    m_placeholder->setHidden(adapter != nullptr);
    m_body->setHidden(adapter == nullptr);
    // The placeholder stands on the card without padding; the details have the default padding.
    const int margin = adapter ? int(std::lround(padding())) : 0;
    contentLayout()->setContentsMargins(margin, margin, margin, margin);
    if (!adapter) {
        m_shownHeader.clear();
        return;
    }
    // The title shows the adapter's kind and name: painted again only when either changed.
    const QString header = kindSymbol(*adapter) + QLatin1Char('\n') + adapter->name();
    if (header != m_shownHeader) {
        m_shownHeader = header;
        m_header->update();
    }
    m_rows[hostRow]->setRight(m_hostName ? m_hostName() : QString());
    m_rows[localRow]->setRight(adapter->addresses().displayAddress());
    m_rows[foreignRow]->setRight(m_model->externalIp().value_or(missing));
    m_rows[countryRow]->setRight(countryText(m_model->countryCode()));
    const auto* wifi = qobject_cast<const SystemKit::WifiAdapter*>(adapter);
    const bool live = wifi && wifi->info();
    for (int row : {rateRow, signalRow, noiseRow})
        m_rows[size_t(row)]->setHidden(!live);
    if (live) {
        m_rows[rateRow]->setRight(transmitRateText(wifi->info()->transmitRate));
        m_rows[signalRow]->setRight(decibelText(wifi->info()->rssi));
        m_rows[noiseRow]->setRight(noiseText(wifi->info()->noise));
    }
}

} // namespace Kestrion
