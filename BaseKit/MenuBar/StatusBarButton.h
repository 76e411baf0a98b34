#pragma once

#include "BaseKit/MenuBar/LayoutConstraint.h"

#include <QFont>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace BaseKit {

// The button of a status item: an image (left of the title, or alone), a title in a font, or views
// of the caller's own; a target and action run when the user clicks it; fixed width and height
// constraints. The button owns the views added to it: a view removed from it is deleted. It is never
// shown on screen itself: the status item draws it (see render) into the desktop's tray.
class StatusBarButton : public QWidget {
    Q_OBJECT
public:
    enum class ImagePosition { noImage = 0, imageOnly = 1, imageLeft = 2 };

    explicit StatusBarButton(QWidget* parent = nullptr);
    ~StatusBarButton() override;

    QIcon image() const { return m_image; }
    void setImage(const QIcon& image);
    ImagePosition imagePosition() const { return m_imagePosition; }
    void setImagePosition(ImagePosition position);
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    std::optional<QFont> titleFont() const { return m_font; }
    void setTitleFont(const std::optional<QFont>& font);

    QObject* target() const { return m_target; }
    void setTarget(QObject* target) { m_target = target; }
    const std::function<void()>& action() const { return m_action; }
    void setAction(std::function<void()> action) { m_action = std::move(action); }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Runs the action while its target (when one was given) still exists.
    void performClick();

    // The views of the caller, in the order they were added.
    QList<QWidget*> subviews() const;
    void addSubview(QWidget* view);
    // Removes (and deletes) every view.
    void removeAllSubviews();

    const std::vector<std::shared_ptr<LayoutConstraint>>& constraints() const { return m_constraints; }
    void addConstraint(const std::shared_ptr<LayoutConstraint>& constraint);
    void activate(const std::shared_ptr<LayoutConstraint>& constraint);
    void deactivate(const std::shared_ptr<LayoutConstraint>& constraint);
    void setConstant(const std::shared_ptr<LayoutConstraint>& constraint, double constant);
    void removeConstraints();

    // "Dark" when the button's palette is dark, else "Light".
    QString appearanceName() const;

    // The button as the tray shows it.
    QPixmap render() const;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyConstraints();

    QIcon m_image;
    ImagePosition m_imagePosition = ImagePosition::noImage;
    QString m_title;
    std::optional<QFont> m_font;
    QPointer<QObject> m_target;
    std::function<void()> m_action;
    int m_tag = 0;
    QList<QPointer<QWidget>> m_subviews;
    std::vector<std::shared_ptr<LayoutConstraint>> m_constraints;
};

} // namespace BaseKit
