#include "ui/spoken_news.h"

#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "core/display_text.h"
#include "ui/keyboard_focus.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

// A screen reader meets the notice as a notification, named by its news.
class NoticeAccessible final : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
};

const QString noticeName = QStringLiteral("SpokenNotice");

QAccessibleInterface* noticeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object->objectName() == noticeName)
        return new NoticeAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

SpokenNews::SpokenNews(QWidget* screen) : notice_(new QWidget(screen)) {
    static const bool factoryInstalled = (QAccessible::installFactory(noticeInterface), true);
    Q_UNUSED(factoryInstalled);
    notice_->setObjectName(noticeName);
    notice_->setGeometry(0, 0, 1, 1);
    notice_->setFocusPolicy(Qt::NoFocus);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->hide();
}

SpokenNews::Seen SpokenNews::seen(const QWidget* screen) {
    Seen texts;
    for (const CaptionLabel* label : screen->findChildren<CaptionLabel*>())
        if (label->window() == screen && label->isVisibleTo(screen))
            texts.insert(label, displayText(label->caption()).trimmed());
    for (const QPlainTextEdit* hint : screen->findChildren<QPlainTextEdit*>())
        if (hint->window() == screen && hint->isVisibleTo(screen))
            texts.insert(hint, hint->toPlainText().trimmed());
    for (const TCuteButton* button : screen->findChildren<TCuteButton*>())
        if (button->window() == screen && button->isVisibleTo(screen))
            texts.insert(button, button->caption().remove(u'&'));
    return texts;
}

QString SpokenNews::since(const QWidget* screen, const Seen& before) {
    const Seen now = seen(screen);
    QList<QWidget*> changed;
    // A button is news when its caption changes (べんきょう to テスト), not
    // when it comes into sight with the caption it had.
    for (auto text = now.cbegin(); text != now.cend(); ++text)
        if (!text.value().isEmpty() && before.value(text.key()) != text.value() &&
            (before.contains(text.key()) || !qobject_cast<const TCuteButton*>(text.key())))
            changed << const_cast<QWidget*>(text.key());
    QStringList lines;
    for (const QWidget* text : keyboard::inReadingOrder(changed))
        lines << now.value(text);
    return lines.join(u'\n');
}

void SpokenNews::tell(QWidget* target, const QString& news, bool saying) {
    if (told_ && told_ != target)
        told_->setAccessibleDescription(QString());
    told_ = target;
    if (!target)
        return;
    target->setAccessibleDescription(news);
    notice_->hide();
    if (saying && target->hasFocus() && !news.isEmpty()) {
        // Inside the focused control, so that a screen reader says only the
        // news, not again the screen around it. It comes into sight again for
        // each news, even news said before.
        notice_->setParent(target);
        notice_->setGeometry(0, 0, 1, 1);
        notice_->setAccessibleName(news);
        notice_->show();
    }
}
