#include "Platform/StoreReview.h"

#include "Platform/Workspace.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Platform {

namespace {

StoreReview::Presenter& installedPresenter()
{
    static StoreReview::Presenter presenter;
    return presenter;
}

bool& shownThisRun()
{
    static bool shown = false;
    return shown;
}

QString text(const char* source)
{
    return QCoreApplication::translate("StoreReview", source);
}

void showDialog(const QUrl& page)
{
    const QString appName = QCoreApplication::applicationName();
    auto* dialog = new QDialog(QApplication::activeWindow());
    dialog->setObjectName(QString::fromLatin1(StoreReview::dialogName));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(text("Rate %1").arg(appName));

    auto* layout = new QVBoxLayout(dialog);
    auto* title = new QLabel(text("Enjoying %1?").arg(appName), dialog);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* message = new QLabel(text("If you like %1, please take a moment to rate it. Thank you for your support!")
                                   .arg(appName),
                               dialog);
    message->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(message);

    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* rate = buttons->addButton(text("Rate"), QDialogButtonBox::AcceptRole);
    rate->setObjectName(QStringLiteral("rate"));
    QPushButton* later = buttons->addButton(text("Not Now"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("notNow"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog, page] {
        Workspace::openUrl(page);
        dialog->accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    // Not modal: the program goes on while the question waits.
    dialog->show();
}

} // namespace

void StoreReview::request(const QUrl& page)
{
    if (const auto& presenter = installedPresenter()) {
        presenter(page);
        return;
    }
    if (shownThisRun())
        return;
    shownThisRun() = true;
    showDialog(page);
}

void StoreReview::setPresenter(Presenter presenter)
{
    installedPresenter() = std::move(presenter);
}

void StoreReview::resetForTesting()
{
    shownThisRun() = false;
}

} // namespace Platform
