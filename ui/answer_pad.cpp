#include "ui/answer_pad.h"

#include "controls/captioned_list.h"
#include "controls/look.h"
#include "core/display_text.h"
#include "ui/screen_builder.h"

QString placeCaption(DigitPlace place) {
    switch (place) {
    case DigitPlace::TenThousands:
        return QStringLiteral("万");
    case DigitPlace::Thousands:
        return QStringLiteral("千");
    case DigitPlace::Hundreds:
        return QStringLiteral("百");
    case DigitPlace::Tens:
        return QStringLiteral("十");
    case DigitPlace::Ones:
        break;
    }
    return QStringLiteral("一");
}

AnswerPad::AnswerPad(QWidget* screen, const QList<DigitList>& lists, int submitComboBox,
                     const QRect& submitBox, AnswerPadTraits traits)
    : QObject(screen), traits_(traits) {
    setObjectName(QStringLiteral("AnswerPad"));
    const QFont font = look::rounded(19);
    for (DigitList d : lists) {
        if (d.caption.isEmpty())
            d.caption = placeCaption(d.place);
        if (d.entries.isEmpty())
            d.entries = d.place == DigitPlace::TenThousands ? QStringList{QStringLiteral("１")}
                                                            : lessonDigitEntries();
        CaptionedList* list = build::list(screen, QStringLiteral("ComboBox%1").arg(d.comboBox), d.box,
                                          d.caption, d.entries, font, look::navy);
        list->setCursorOnFocus(false);
        lists_ << d;
        controls_ << list;
    }
    if (submitComboBox > 0)
        submit_ = build::list(screen, QStringLiteral("ComboBox%1").arg(submitComboBox), submitBox, QString(),
                              {QStringLiteral("◆")}, font, look::navy);
    // Until the first problem the lists wait as every problem leaves them.
    putAway();
}

CaptionedList* AnswerPad::list(const DigitList& digits) const {
    for (qsizetype i = 0; i < lists_.size(); ++i)
        if (lists_.at(i).comboBox == digits.comboBox)
            return controls_.at(i);
    return nullptr;
}

QList<CaptionedList*> AnswerPad::controls() const {
    QList<CaptionedList*> all = controls_;
    if (submit_)
        all << submit_;
    return all;
}

void AnswerPad::store(const DigitList& digits, int index) const {
    int& field = digitField(lessonState(), digits.place);
    if (traits_.storesBareDigit)
        field = index;
    else
        field = digits.place == DigitPlace::TenThousands ? 10000 : index * placeValue(digits.place);
}

int AnswerPad::entered() const {
    int entered = 0;
    for (const DigitList& d : lists_) {
        const int field = digitField(lessonState(), d.place);
        entered += traits_.storesBareDigit ? field * placeValue(d.place) : field;
    }
    return entered;
}

void AnswerPad::putAway() const {
    for (CaptionedList* list : controls())
        traits_.disabledBetweenProblems ? list->setEnabled(false) : list->hide();
}

void AnswerPad::setReady(CaptionedList* list, const QString& caption, bool shown) const {
    const bool wasEnabled = list->isEnabled();
    list->resetSelection();
    list->setCaption(caption);
    if (traits_.disabledBetweenProblems)
        list->setEnabled(traits_.emptyingKeepsEnabled ? wasEnabled : true);
    list->setVisible(shown);
}

void AnswerPad::makeReady(const std::function<QString(const DigitList&)>& caption,
                          const std::function<bool(const DigitList&)>& shown) const {
    for (qsizetype i = 0; i < lists_.size(); ++i) {
        const DigitList& d = lists_.at(i);
        setReady(controls_.at(i), caption ? caption(d) : d.caption, !shown || shown(d));
        digitField(lessonState(), d.place) = 0;
    }
    if (submit_)
        setReady(submit_, QString(), true);
}

// The list of the answer's highest place, so that no key is spent on a place
// the answer does not have (and no Return on 万 adds 10000 to a sum below
// it); where the pad shows no list for that place, the highest list below
// it. Lists that hold bare digits, not places, begin with the first.
QWidget* AnswerPad::listToBeginAnswer(const QList<QWidget*>& ready, int answer) const {
    if (traits_.storesBareDigit)
        return nullptr;
    int leading = 1;
    while (leading < 10000 && leading * 10 <= answer)
        leading *= 10;
    QWidget* begin = nullptr;
    int beginValue = 0;
    for (qsizetype i = 0; i < lists_.size(); ++i) {
        QWidget* list = controls_.at(i);
        const int value = placeValue(lists_.at(i).place);
        if (ready.contains(list) && value <= leading && value > beginValue) {
            begin = list;
            beginValue = value;
        }
    }
    return begin;
}
