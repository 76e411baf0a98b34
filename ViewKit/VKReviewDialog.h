#pragma once

#include "BaseKit/Workspace/Workspace.h"

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace ViewKit {

// The rating request as this desktop shows it: a small dialog that asks for a rating of the
// application, with a button that opens the page where ratings are given and one that closes it. It
// never blocks (not modal) and appears at most once per run of the program, however often it is asked
// for. The program's review manager asks for the rating with `present`.
class VKReviewDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* dialogName = "ReviewDialog";

    // The rating button hands `page` to `urlOpener`.
    VKReviewDialog(const QUrl& page, BaseKit::Workspace::UrlOpener urlOpener, QWidget* parent = nullptr);

    // Shows the dialog unless it was shown before in this run.
    static void present(const QUrl& page, const BaseKit::Workspace::UrlOpener& urlOpener);
    // Forgets that the dialog was shown (tests).
    static void resetForTesting();

    QLabel* headline() const { return m_headline; }
    QLabel* message() const { return m_message; }
    QPushButton* rateButton() const { return m_rate; }
    QPushButton* notNowButton() const { return m_notNow; }

private:
    QLabel* m_headline = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_rate = nullptr;
    QPushButton* m_notNow = nullptr;
};

} // namespace ViewKit
