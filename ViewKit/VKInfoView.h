#pragma once

#include "LanguageKit/LKLocalizedString.h"
#include "ViewKit/VKInfoViewConfiguration.h"
#include "ViewKit/VKSymbolView.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace ViewKit {

// A symbol (imageSize by imageSize points, tinted, padded 8 points at both ends) beside a title and a
// description, 4 points apart. The title key wins over the plain title; keys are looked up in the
// application's table and again when the language changes. Title and description take the font of
// their surroundings; the description wraps and keeps to the leading edge.
class VKInfoView : public QWidget
{
    Q_OBJECT

public:
    VKInfoView(const QColor& color, const QString& systemName, std::optional<QString> title,
               std::optional<QString> titleString, const QString& description, qreal imageSize,
               VKSymbolRenderingMode symbolRenderingMode, QWidget* parent = nullptr);
    // The title as a key.
    static VKInfoView* withTitle(const QColor& color, const QString& systemName, std::optional<QString> title,
                                 const QString& description, qreal imageSize,
                                 VKSymbolRenderingMode symbolRenderingMode, QWidget* parent = nullptr);
    // The title as the key's translation, taken now.
    static VKInfoView* withLocalizedTitle(const QColor& color, const QString& systemName,
                                          LanguageKit::LKLocalizedString localizedTitle, const QString& description,
                                          qreal imageSize, VKSymbolRenderingMode symbolRenderingMode,
                                          QWidget* parent = nullptr);
    // The configuration's fields; its plain text becomes the plain title.
    explicit VKInfoView(const VKInfoViewConfiguration& configuration, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    const QString& systemName() const { return m_systemName; }
    const std::optional<QString>& title() const { return m_title; }
    const std::optional<QString>& titleString() const { return m_titleString; }
    const QString& description() const { return m_description; }
    qreal imageSize() const { return m_imageSize; }
    VKSymbolRenderingMode symbolRenderingMode() const { return m_symbolRenderingMode; }

    // The title shown; none when there is no title line.
    std::optional<QString> shownTitle() const;
    QString shownDescription() const;

    VKSymbolView* symbolView() const { return m_symbol; }
    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* descriptionLabel() const { return m_descriptionLabel; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QColor m_color;
    QString m_systemName;
    std::optional<QString> m_title;
    std::optional<QString> m_titleString;
    QString m_description;
    qreal m_imageSize;
    VKSymbolRenderingMode m_symbolRenderingMode;
    VKSymbolView* m_symbol = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
};

} // namespace ViewKit
