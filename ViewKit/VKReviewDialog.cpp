#include "ViewKit/VKReviewDialog.h"

#include "BaseKit/Bundle.h"
#include "Platform/Desktop/Workspace.h"
#include "ViewKit/VKStrings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ViewKit {

namespace {

bool& shownThisRun()
{
    static bool shown = false;
    return shown;
}

} // namespace

VKReviewDialog::VKReviewDialog(const QUrl& page, BaseKit::Workspace::UrlOpener urlOpener, QWidget* parent)
    : QDialog(parent)
{
    const QString appName = BaseKit::Bundle::name();
    setObjectName(QString::fromLatin1(dialogName));
    setWindowTitle(VKStrings::library("RATE_APP_TITLE").arg(appName));

    auto* layout = new QVBoxLayout(this);
    m_headline = new QLabel(VKStrings::library("RATE_APP_HEADLINE").arg(appName), this);
    QFont bold = m_headline->font();
    bold.setBold(true);
    m_headline->setFont(bold);
    m_message = new QLabel(VKStrings::library("RATE_APP_MESSAGE").arg(appName), this);
    m_message->setWordWrap(true);
    layout->addWidget(m_headline);
    layout->addWidget(m_message);

    auto* buttons = new QDialogButtonBox(this);
    m_rate = buttons->addButton(VKStrings::library("RATE"), QDialogButtonBox::AcceptRole);
    m_notNow = buttons->addButton(VKStrings::library("NOT_NOW"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, page, urlOpener = std::move(urlOpener)] {
        Platform::Workspace::openUrl(page, urlOpener);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void VKReviewDialog::present(const QUrl& page, const BaseKit::Workspace::UrlOpener& urlOpener)
{
    if (shownThisRun())
        return;
    shownThisRun() = true;
    auto* dialog = new VKReviewDialog(page, urlOpener, QApplication::activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal: the program goes on while the question waits.
    dialog->show();
}

void VKReviewDialog::resetForTesting()
{
    shownThisRun() = false;
}

} // namespace ViewKit
