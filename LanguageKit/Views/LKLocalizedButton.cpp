#include "LanguageKit/Views/LKLocalizedButton.h"

#include "LanguageKit/LKResources.h"
#include "LanguageKit/Views/ViewText.h"

namespace LanguageKit {

LKLocalizedButton::LKLocalizedButton(LKLocalizedString key, std::optional<Role> role,
                                     std::function<void()> action, QWidget* parent)
    : LKLocalizedButton(LKResources::localized(key), role, std::move(action), parent)
{
}

LKLocalizedButton::LKLocalizedButton(LKLocalizedString key, const QVariant& argument,
                                     std::function<void()> action, QWidget* parent)
    : LKLocalizedButton(viewText(key, argument), std::nullopt, std::move(action), parent)
{
}

LKLocalizedButton::LKLocalizedButton(QString text, std::optional<Role> role, std::function<void()> action,
                                     QWidget* parent)
    : QPushButton(parent)
    , m_action(std::move(action))
    , m_text(std::move(text))
    , m_role(role)
{
    setText(captionText(m_text));
    // Style sheets tell the roles apart by this property.
    if (m_role)
        setProperty("role", *m_role == Role::Destructive ? QStringLiteral("destructive") : QStringLiteral("cancel"));
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_action)
            m_action();
    });
}

} // namespace LanguageKit
