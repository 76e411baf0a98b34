#include "Kestrion/SettingsWindow/SettingsControls.h"

#include "LanguageKit/Views/LKLocalizedToggle.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

namespace Kestrion {

namespace {
// A text in the secondary colour of the scheme its window shows.
class HintLabel : public QLabel
{
public:
    HintLabel(const QString& text, QWidget* parent)
        : QLabel(text, parent)
    {
        applyColor();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
            applyColor();
    }

private:
    void applyColor()
    {
        const QPalette source = parentWidget() ? parentWidget()->palette() : palette();
        const QColor color = ViewKit::VKTheme::secondaryText(ViewKit::VKTheme::scheme(source));
        if (palette().color(QPalette::WindowText) == color)
            return;
        QPalette own = palette();
        own.setColor(QPalette::WindowText, color);
        setPalette(own);
    }
};

// The row of segments of a segmented picker. Its look names the colours of the scheme its window
// shows now and is written again when the scheme changes: a style sheet resolves its colours only
// when it is set.
class SegmentedBox : public QWidget
{
public:
    explicit SegmentedBox(QWidget* parent)
        : QWidget(parent)
    {
        // A widget with a style sheet keeps the palette the sheet gave it and hears of no new one:
        // the parent's palette tells when the scheme changes.
        if (parent)
            parent->installEventFilter(this);
        applyLook();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The parent has taken its new palette when it hears of it.
        if (watched == parentWidget() && event->type() == QEvent::PaletteChange)
            applyLook();
        return QWidget::eventFilter(watched, event);
    }

    bool event(QEvent* event) override
    {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::ParentChange) {
            if (parentWidget())
                parentWidget()->installEventFilter(this);
            applyLook();
        }
        return handled;
    }

private:
    void applyLook()
    {
        const QPalette around = parentWidget() ? parentWidget()->palette() : QApplication::palette();
        const QPalette colors = ViewKit::VKTheme::palette(ViewKit::VKTheme::scheme(around));
        auto name = [&colors](QPalette::ColorRole role) { return colors.color(role).name(QColor::HexArgb); };
        // The chosen segment in the accent colour, so it stands out in both schemes.
        const QString look = QStringLiteral(
                                 "QToolButton { padding: 3px 12px; border: 1px solid %1; background: %2; color: %3; }"
                                 "QToolButton:checked { background: %4; color: %5; }")
                                 .arg(name(QPalette::Mid), name(QPalette::Button), name(QPalette::ButtonText),
                                      name(QPalette::Highlight), name(QPalette::HighlightedText));
        if (look != styleSheet())
            setStyleSheet(look);
    }

};
} // namespace

LanguageKit::BoolBinding SettingsControls::binding(AppSettings& settings, SettingKey key)
{
    return LanguageKit::BoolBinding{[&settings, key] { return settings.boolValue(key); },
                                    [&settings, key](bool value) { settings.setBool(key, value); }};
}

LanguageKit::LKLocalizedToggle* SettingsControls::toggle(AppSettings& settings, SettingKey key,
                                                         LanguageKit::LKLocalizedString caption,
                                                         LanguageKit::BoolBinding binding, QWidget* parent)
{
    auto* toggle = new LanguageKit::LKLocalizedToggle(caption, QVariant(), binding, parent);
    QObject::connect(&settings, &AppSettings::changed, toggle, [toggle, key, read = binding.get](SettingKey changed) {
        if (changed != key || !read)
            return;
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(read());
    });
    return toggle;
}

QComboBox* SettingsControls::menuPicker(AppSettings& settings, SettingKey key, const Choices& choices,
                                        std::function<int()> current, QWidget* parent)
{
    auto* picker = new QComboBox(parent);
    picker->setFixedWidth(128);
    for (const auto& [text, raw] : choices)
        picker->addItem(text, raw);
    auto select = [picker, current] {
        const QSignalBlocker blocker(picker);
        picker->setCurrentIndex(picker->findData(current()));
    };
    select();
    QObject::connect(picker, &QComboBox::activated, picker, [&settings, key, picker](int index) {
        if (index >= 0)
            settings.setInteger(key, picker->itemData(index).toInt());
    });
    QObject::connect(&settings, &AppSettings::changed, picker, [key, select](SettingKey changed) {
        if (changed == key)
            select();
    });
    return picker;
}

QWidget* SettingsControls::segmentedPicker(AppSettings& settings, SettingKey key, const Choices& choices,
                                           std::function<int()> current, QWidget* parent)
{
    auto* box = new SegmentedBox(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(box);
    group->setExclusive(true);
    for (const auto& [text, raw] : choices) {
        auto* button = new QToolButton(box);
        button->setText(text);
        button->setCheckable(true);
        group->addButton(button, raw);
        layout->addWidget(button);
    }
    layout->addStretch();
    auto select = [group, current] {
        const QSignalBlocker blocker(group);
        if (QAbstractButton* button = group->button(current()))
            button->setChecked(true);
    };
    select();
    QObject::connect(group, &QButtonGroup::idClicked, box, [&settings, key](int raw) { settings.setInteger(key, raw); });
    QObject::connect(&settings, &AppSettings::changed, box, [key, select](SettingKey changed) {
        if (changed == key)
            select();
    });
    return box;
}

QLabel* SettingsControls::rowLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QLabel* SettingsControls::hint(const QString& text, QWidget* parent)
{
    auto* label = new HintLabel(text, parent);
    label->setWordWrap(true);
    label->setFixedWidth(420);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace Kestrion
