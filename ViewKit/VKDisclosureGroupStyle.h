#pragma once

#include "LanguageKit/BoolBinding.h"

#include <QWidget>

#include <optional>

namespace ViewKit {

// The look of a disclosure group whose open state belongs to someone else: a header row (the label,
// then the chevron at the trailing edge) that lights up under the pointer and opens or closes the
// group when clicked, and, while open, the content inset by `leading` and `trailing` (the default
// padding when absent). Only a click on the header toggles. The content carries the style, so groups
// built inside it (inherited()) take the same look.
struct VKDisclosureGroupStyle
{
    std::optional<qreal> leading;
    std::optional<qreal> trailing;

    // What the group hands the style: its label, its content and its open state.
    struct Configuration {
        QWidget* label = nullptr;
        QWidget* content = nullptr;
        LanguageKit::BoolBinding isExpanded;
    };

    // The group's body: the header above the inset content, the content shown while the state is
    // open. Takes ownership of the label and the content. The body follows the state when the header
    // is clicked; after writing the state elsewhere call sync().
    QWidget* makeBody(const Configuration& configuration, QWidget* parent = nullptr) const;
    // Shows or hides a body's content and turns its chevron after the state was written elsewhere.
    static void sync(QWidget* body);
    // The header row of a body (the click target) and the frame that insets its content.
    static QWidget* header(QWidget* body);
    static QWidget* contentFrame(QWidget* body);

    // The style of the nearest enclosing styled content, if any.
    static std::optional<VKDisclosureGroupStyle> inherited(const QWidget* widget);
};

} // namespace ViewKit
