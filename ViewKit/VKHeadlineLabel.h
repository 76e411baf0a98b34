#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QString>
#include <QWidget>

namespace ViewKit {

// A two-line heading: the title in the headline font over the subtitle in the subheadline font
// (secondary), `spacing` points apart, leading-aligned.
class VKHeadlineLabel : public QWidget
{
    Q_OBJECT

public:
    VKHeadlineLabel(const QString& title, const QString& subtitle, qreal spacing, QWidget* parent = nullptr);

    // Either line from a text key, translated once, now.
    VKHeadlineLabel(LanguageKit::LKLocalizedString localizedTitle, const QString& subtitle, qreal spacing,
                    QWidget* parent = nullptr);
    VKHeadlineLabel(const QString& title, LanguageKit::LKLocalizedString localizedSubtitle, qreal spacing,
                    QWidget* parent = nullptr);
    VKHeadlineLabel(LanguageKit::LKLocalizedString localizedTitle, LanguageKit::LKLocalizedString localizedSubtitle,
                    qreal spacing, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }
    qreal spacing() const { return m_spacing; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QString m_title;
    const QString m_subtitle;
    const qreal m_spacing;
};

} // namespace ViewKit
