#pragma once

#include "ViewKit/VKInfoViewConfiguration.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace ViewKit {

class VKInfoView;

// A sheet of news: a bold large title, an optional secondary subtitle (both centred, at most 512 points
// wide, with the window-edge padding), then one info row per item, in order, each with the default
// padding and at most 600 points wide.
class VKWhatsNewView : public QWidget
{
    Q_OBJECT

public:
    VKWhatsNewView(const QString& title, std::optional<QString> subtitle, const QList<VKInfoViewConfiguration>& items,
                   QWidget* parent = nullptr);

    const QString& title() const { return m_title; }
    const std::optional<QString>& subtitle() const { return m_subtitle; }
    const QList<VKInfoViewConfiguration>& items() const { return m_items; }

    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* subtitleLabel() const { return m_subtitleLabel; }
    // The rows, in the order of the items.
    const QList<VKInfoView*>& rows() const { return m_rows; }

    static constexpr int headerMaximumWidth = 512;
    static constexpr int rowMaximumWidth = 600;

private:
    QString m_title;
    std::optional<QString> m_subtitle;
    QList<VKInfoViewConfiguration> m_items;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_subtitleLabel = nullptr;
    QList<VKInfoView*> m_rows;
};

} // namespace ViewKit
