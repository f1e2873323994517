#include "controls/control_accessibility.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/list_accessibility.h"
#include "core/display_text.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

// The caption as it is read: "&" marks the accelerator, "&&" stands for "&".
QString withoutAccelerator(const QString& caption) {
    QString read;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                read += caption.at(++i);
            continue;
        }
        read += caption.at(i);
    }
    return read;
}

class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(TCuteButton* button) : QAccessibleWidget(button, QAccessible::PushButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return withoutAccelerator(button()->caption());
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->caption()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    // Pressed is what the child sees: the lowered outer bevel.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->bevelOuter() == TCuteButton::BevelCut::Lowered;
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Later, as Qt's own buttons do: the click may open a modal screen,
        // and the screen reader waits for its answer until the action returns.
        if (button()->isEnabled())
            QMetaObject::invokeMethod(button(), &TCuteButton::click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        const QString key = text(QAccessible::Accelerator);
        if (action == pressAction() && !key.isEmpty())
            return {key};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    TCuteButton* button() const { return static_cast<TCuteButton*>(widget()); }
};

class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(CaptionLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        // A reader runs lines together at a bare CR; it is told the line breaks it knows.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return displayText(static_cast<CaptionLabel*>(widget())->caption());
        return QAccessibleWidget::text(t);
    }
};

// Asked once for each class of a widget, the most derived first.
QAccessibleInterface* controlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(TCuteButton::staticMetaObject.className()))
        return new ButtonAccessible(static_cast<TCuteButton*>(object));
    if (className == QLatin1String(CaptionedList::staticMetaObject.className()))
        return listAccessible(static_cast<CaptionedList*>(object));
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
        return new LabelAccessible(static_cast<CaptionLabel*>(object));
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(controlInterface);
}
