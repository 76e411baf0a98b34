#pragma once

#include "BaseKit/Services/Marketing.h"
#include "BaseKit/Services/OtherApps.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class QAbstractButton;
class QLabel;
class QStackedLayout;
class QToolBar;

namespace ViewKit {

class VKEmptyView;
class VKWizardView;

// The maker's other applications. Each time the page is shown it fetches the list anew in the
// background (leaving out `filter`, the calling application) and shows a loading state meanwhile;
// then it pages through the applications one at a time, or shows "no applications" when the list is
// empty or could not be had; when it could not be had (offline, for example) it says so and offers to
// try again. Its toolbar button opens the maker's page of applications.
class VKOtherAppsView : public QWidget
{
    Q_OBJECT

public:
    enum class Phase { loading, list, empty };
    Q_ENUM(Phase)

    // The list comes from `source`; the pages it links to go to `urlOpener` (none opens nothing).
    explicit VKOtherAppsView(std::optional<QString> filter, BaseKit::Marketing::Source source = {},
                             BaseKit::Workspace::UrlOpener urlOpener = {}, QWidget* parent = nullptr);
    ~VKOtherAppsView() override;

    const std::optional<QString>& filter() const { return m_filter; }
    void setFilter(std::optional<QString> filter) { m_filter = std::move(filter); }
    bool isLoading() const { return m_isLoading; }
    const std::optional<BaseKit::OtherApps>& apps() const { return m_apps; }

    // The state shown now.
    Phase phase() const;
    QWidget* loadingView() const { return m_loading; }
    VKEmptyView* emptyView() const { return m_empty; }
    // Whether the last fetch could not get the list; the empty state then says so under its caption.
    bool loadFailed() const { return m_loadFailed; }
    QLabel* failureLabel() const { return m_failure; }
    QAbstractButton* retryButton() const { return m_retry; }
    // The pager of the current list; none while no list is shown.
    VKWizardView* wizard() const { return m_wizard; }
    QToolBar* toolBar() const { return m_toolBar; }
    // The height the toolbar takes above the page (with its gap): a window that gives the page a
    // certain height adds this.
    int toolBarHeight() const;
    QAbstractButton* developerPageButton() const;

    // Fetches the list now (showing the page does so by itself).
    void reload();

signals:
    // A fetch has ended and its result is shown.
    void loaded();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The toolbar symbol and the empty state's picture in the colours of the scheme shown now.
    void applyColors();
    void apply(const BaseKit::OtherApps& apps, bool fetched);
    void cancel();
    void refresh();

    std::optional<QString> m_filter;
    BaseKit::Marketing::Source m_source;
    BaseKit::Workspace::UrlOpener m_urlOpener;
    bool m_isLoading = false;
    std::optional<BaseKit::OtherApps> m_apps;
    QPointer<QObject> m_task;
    QToolBar* m_toolBar = nullptr;
    QAction* m_developerPage = nullptr;
    QStackedLayout* m_states = nullptr;
    QWidget* m_loading = nullptr;
    QWidget* m_emptyPage = nullptr;
    VKEmptyView* m_empty = nullptr;
    QLabel* m_failure = nullptr;
    QAbstractButton* m_retry = nullptr;
    bool m_loadFailed = false;
    QWidget* m_listHolder = nullptr;
    VKWizardView* m_wizard = nullptr;
};

} // namespace ViewKit
