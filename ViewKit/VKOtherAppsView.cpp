#include "ViewKit/VKOtherAppsView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/Marketing.h"
#include "ViewKit/VKActionView.h"
#include "ViewKit/VKEmptyView.h"
#include "ViewKit/VKLayout.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKOtherAppView.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKWizardView.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ViewKit {

namespace {

QWidget* makeLoadingView(QWidget* parent)
{
    auto* view = new QWidget(parent);
    auto* stack = new QVBoxLayout(view);
    stack->setSpacing(8);
    stack->addStretch(1);
    auto* indicator = new VKActionView(VKTheme::color(VKNamedColor::yellow, VKTheme::scheme(view)), Qt::FlatCap, view);
    indicator->setFixedSize(16, 16);
    stack->addWidget(indicator, 0, Qt::AlignHCenter);
    auto* title = new QLabel(VKStrings::library("LOADING_DATA"), view);
    title->setFont(VKTheme::font(VKTextStyle::headline));
    title->setAlignment(Qt::AlignCenter);
    stack->addWidget(title);
    auto* info = new QLabel(VKStrings::library("LOADING_DATA_INFO"), view);
    info->setFont(VKTheme::font(VKTextStyle::subheadline));
    info->setAlignment(Qt::AlignCenter);
    info->setWordWrap(true);
    stack->addWidget(info);
    stack->addStretch(1);
    VKLayout::fillParent(view);
    return view;
}

} // namespace

VKOtherAppsView::VKOtherAppsView(std::optional<QString> filter, BaseKit::Marketing::Source source,
                                 BaseKit::Workspace::UrlOpener urlOpener, QWidget* parent)
    : QWidget(parent)
    , m_filter(std::move(filter))
    , m_source(std::move(source))
    , m_urlOpener(std::move(urlOpener))
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(int(VKTheme::defaultSpacing));

    m_toolBar = new QToolBar(this);
    m_toolBar->setIconSize(QSize(18, 18));
    m_developerPage = m_toolBar->addAction(QString());
    m_developerPage->setToolTip(VKStrings::library("SHOW_ALL_APPS"));
    connect(m_developerPage, &QAction::triggered, this, [this] {
        VKLinkOpener::open(this, QString::fromLatin1(BaseKit::Maker::developerPage),
                           [this] { return BaseKit::Marketing::openDeveloperPage(m_urlOpener); });
    });
    stack->addWidget(m_toolBar);

    m_states = new QStackedLayout;
    m_loading = makeLoadingView(this);
    m_listHolder = new QWidget(this);
    auto* listLayout = new QVBoxLayout(m_listHolder);
    listLayout->setContentsMargins(0, 0, 0, 0);
    VKLayout::fillParent(m_listHolder);
    m_emptyPage = new QWidget(this);
    auto* emptyStack = new QVBoxLayout(m_emptyPage);
    emptyStack->setSpacing(int(VKTheme::defaultSpacing));
    m_empty = new VKEmptyView(VKImage::symbol(QStringLiteral("square.stack.3d.up.fill")),
                              VKStrings::library("NO_APPS_FOUND"), 96, 96, std::nullopt, m_emptyPage);
    VKLayout::fillParent(m_empty);
    emptyStack->addWidget(m_empty, 1);
    m_failure = new QLabel(VKStrings::library("APPS_NOT_LOADED"), m_emptyPage);
    m_failure->setWordWrap(true);
    m_failure->setAlignment(Qt::AlignCenter);
    m_failure->setContentsMargins(32, 0, 32, 0);
    emptyStack->addWidget(m_failure);
    auto* retry = new QPushButton(VKStrings::library("TRY_AGAIN"), m_emptyPage);
    connect(retry, &QPushButton::clicked, this, &VKOtherAppsView::reload);
    m_retry = retry;
    emptyStack->addWidget(retry, 0, Qt::AlignHCenter);
    emptyStack->addSpacing(int(VKTheme::scenePadding));
    VKLayout::fillParent(m_emptyPage);
    m_states->addWidget(m_loading);
    m_states->addWidget(m_listHolder);
    m_states->addWidget(m_emptyPage);
    stack->addLayout(m_states, 1);
    applyColors();
    refresh();
}

void VKOtherAppsView::applyColors()
{
    const QColor iconColor = palette().color(QPalette::Active, QPalette::ButtonText);
    m_developerPage->setIcon(QIcon(
        QPixmap::fromImage(BaseKit::SymbolGlyphs::render(QStringLiteral("square.stack.3d.up"), 36, iconColor))));
    m_empty->setColor(VKTheme::color(VKNamedColor::accent, VKTheme::scheme(this), palette()));
}

void VKOtherAppsView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColors();
}

VKOtherAppsView::~VKOtherAppsView()
{
    cancel();
}

QAbstractButton* VKOtherAppsView::developerPageButton() const
{
    const QList<QAction*> actions = m_toolBar->actions();
    return actions.isEmpty() ? nullptr : qobject_cast<QAbstractButton*>(m_toolBar->widgetForAction(actions.first()));
}

int VKOtherAppsView::toolBarHeight() const
{
    return m_toolBar->sizeHint().height() + layout()->spacing();
}

VKOtherAppsView::Phase VKOtherAppsView::phase() const
{
    if (m_isLoading)
        return Phase::loading;
    if (m_apps && !m_apps->apps.isEmpty())
        return Phase::list;
    return Phase::empty;
}

void VKOtherAppsView::refresh()
{
    switch (phase()) {
    case Phase::loading: m_states->setCurrentWidget(m_loading); break;
    case Phase::list: m_states->setCurrentWidget(m_listHolder); break;
    case Phase::empty: m_states->setCurrentWidget(m_emptyPage); break;
    }
    m_failure->setVisible(!m_isLoading && m_loadFailed);
    m_retry->setVisible(!m_isLoading && m_loadFailed);
}

void VKOtherAppsView::cancel()
{
    // The fetch's completion is bound to the task object: without it, the result is dropped.
    delete m_task.data();
    m_isLoading = false;
}

void VKOtherAppsView::reload()
{
    cancel();
    m_isLoading = true;
    refresh();
    m_task = new QObject(this);
    BaseKit::Marketing::loadOtherApps(m_source, m_filter, m_task,
                                      [this](const BaseKit::OtherApps& apps, bool fetched) { apply(apps, fetched); });
}

void VKOtherAppsView::apply(const BaseKit::OtherApps& apps, bool fetched)
{
    m_loadFailed = !fetched;
    if (m_task)
        m_task->deleteLater();
    m_apps = apps;
    delete m_wizard;
    m_wizard = nullptr;
    if (!apps.apps.isEmpty()) {
        QList<QWidget*> pages;
        for (const BaseKit::OtherApp& app : apps.apps)
            pages.append(new VKOtherAppView(app, m_urlOpener));
        m_wizard = new VKWizardView(pages, m_listHolder);
        VKLayout::fillParent(m_wizard);
        m_listHolder->layout()->addWidget(m_wizard);
    }
    m_isLoading = false;
    refresh();
    emit loaded();
}

void VKOtherAppsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is no new showing.
    if (!event->spontaneous())
        reload();
}

void VKOtherAppsView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        cancel();
        refresh();
    }
}

} // namespace ViewKit
