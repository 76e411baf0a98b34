#include "ViewKit/VKWizardView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace ViewKit {

namespace {

// A bold chevron in the title font without bezel: accent while it can be pressed, gray otherwise.
class ChevronButton : public QAbstractButton
{
public:
    ChevronButton(const QString& symbol, QWidget* parent)
        : QAbstractButton(parent)
        , m_symbol(symbol)
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        setCursor(Qt::PointingHandCursor);
    }

    QColor color() const
    {
        return isEnabled() ? VKTheme::color(VKNamedColor::accent, VKTheme::scheme(this), palette())
                           : VKTheme::color(VKNamedColor::gray, VKTheme::scheme(this));
    }

    QSize sizeHint() const override
    {
        const int side = VKTheme::textSize(VKTextStyle::title1);
        return QSize(side, side);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        BaseKit::SymbolGlyphs::draw(painter, QRectF(rect()), m_symbol, color(), 0.5);
    }

private:
    QString m_symbol;
};

// The row of page dots.
class DotRow : public QWidget
{
public:
    explicit DotRow(VKWizardView* wizard)
        : QWidget(wizard)
        , m_wizard(wizard)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const int count = m_wizard->dotCount();
        if (count == 0)
            return QSize(0, 0);
        return QSize(int(count * VKWizardView::dotSide + (count - 1) * VKWizardView::dotSpacing),
                     int(VKWizardView::dotSide));
    }

    QRectF dotRect(int index) const
    {
        const qreal total = sizeHint().width();
        const qreal left = (width() - total) / 2 + index * (VKWizardView::dotSide + VKWizardView::dotSpacing);
        return QRectF(left, (height() - VKWizardView::dotSide) / 2, VKWizardView::dotSide, VKWizardView::dotSide);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < m_wizard->dotCount(); ++i) {
            painter.setBrush(m_wizard->dotColor(i));
            painter.drawEllipse(dotRect(i));
        }
    }

private:
    VKWizardView* m_wizard;
};

} // namespace

VKWizardView::VKWizardView(const QList<QWidget*>& views, QWidget* parent)
    : QWidget(parent)
{
    for (QWidget* view : views)
        if (view)
            m_views.append(view);

    auto* stack = new QVBoxLayout(this);
    const int scene = int(VKTheme::scenePadding);
    stack->setContentsMargins(scene, scene, scene, scene);
    stack->setSpacing(int(VKTheme::defaultSpacing));

    auto* navigation = new QHBoxLayout;
    const int pad = int(VKTheme::defaultPadding);
    navigation->setContentsMargins(pad, pad, pad, pad);
    navigation->setSpacing(int(VKTheme::defaultSpacing));
    m_back = new ChevronButton(QStringLiteral("chevron.left"), this);
    m_forward = new ChevronButton(QStringLiteral("chevron.right"), this);
    auto* pageArea = new QWidget(this);
    pageArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pages = new QStackedLayout(pageArea);
    m_pages->setContentsMargins(0, 0, 0, 0);
    for (QWidget* view : m_views)
        m_pages->addWidget(view);
    navigation->addWidget(m_back, 0, Qt::AlignVCenter);
    navigation->addStretch(0);
    navigation->addWidget(pageArea, 1);
    navigation->addStretch(0);
    navigation->addWidget(m_forward, 0, Qt::AlignVCenter);
    stack->addLayout(navigation, 1);

    m_dots = new DotRow(this);
    auto* dotsBox = new QVBoxLayout;
    dotsBox->setContentsMargins(0, 0, 0, 16);
    dotsBox->addWidget(m_dots);
    stack->addLayout(dotsBox);

    connect(m_back, &QAbstractButton::clicked, this, &VKWizardView::goBack);
    connect(m_forward, &QAbstractButton::clicked, this, &VKWizardView::goForward);
    refresh();
}

QWidget* VKWizardView::currentPage() const
{
    return m_views.isEmpty() ? nullptr : m_views.at(m_currentIndex);
}

void VKWizardView::goBack()
{
    if (m_currentIndex >= 1)
        setCurrentIndex(m_currentIndex - 1);
}

void VKWizardView::goForward()
{
    if (m_currentIndex < int(m_views.size()) - 1)
        setCurrentIndex(m_currentIndex + 1);
}

void VKWizardView::setCurrentIndex(int index)
{
    m_currentIndex = index;
    refresh();
    emit currentIndexChanged(m_currentIndex);
}

void VKWizardView::refresh()
{
    const int count = int(m_views.size());
    m_back->setEnabled(m_currentIndex >= 1);
    m_forward->setEnabled(m_currentIndex < count - 1);
    if (count > 0)
        m_pages->setCurrentIndex(m_currentIndex);
    m_back->update();
    m_forward->update();
    m_dots->update();
}

QColor VKWizardView::chevronColor(const QAbstractButton* chevron) const
{
    if (chevron == m_back || chevron == m_forward)
        return static_cast<const ChevronButton*>(chevron)->color();
    return QColor();
}

QColor VKWizardView::dotColor(int index) const
{
    const VKColorScheme scheme = VKTheme::scheme(this);
    return index == m_currentIndex ? VKTheme::color(VKNamedColor::accent, scheme, palette())
                                   : VKTheme::color(VKNamedColor::gray, scheme);
}

QRectF VKWizardView::dotRect(int index) const
{
    if (index < 0 || index >= dotCount())
        return QRectF();
    return static_cast<const DotRow*>(m_dots)->dotRect(index).translated(m_dots->pos());
}

} // namespace ViewKit
