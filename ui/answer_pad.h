#pragma once

#include "core/lesson_state.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class CaptionedList;
class QWidget;

// One digit list of an answer pad: its place, its control and where it
// stands; an empty caption or entry list means the place's own.
struct DigitList {
    DigitPlace place;
    int comboBox;
    QRect box;
    QString caption = {};
    QStringList entries = {};
};

// How a screen's pad departs from the plain one (a pick stores its place's
// value, ◆ hands over the sum, the lists are hidden between problems).
struct AnswerPadTraits {
    // A pick stores the bare digit; the answer applies the places.
    bool storesBareDigit = false;
    // Between problems the lists and ◆ stay in sight, disabled.
    bool disabledBetweenProblems = false;
    // Emptied for a new answer, each list stays as enabled or disabled as it was.
    bool emptyingKeepsEnabled = false;
    // No ◆: every pick is handed over at once (one list that takes the answer
    // a column at a time).
    bool eachPickSubmits = false;
};

// The digit lists and ◆ a child answers with: which place each list is,
// what a pick stores in LessonState, the answer the picks make, and how the
// lists wait between problems.
class AnswerPad final : public QObject {
    Q_OBJECT
public:
    // submitComboBox 0: no ◆.
    AnswerPad(QWidget* screen, const QList<DigitList>& lists, int submitComboBox, const QRect& submitBox,
              AnswerPadTraits traits);

    const AnswerPadTraits& traits() const { return traits_; }
    const QList<DigitList>& lists() const { return lists_; }
    CaptionedList* list(const DigitList& digits) const;
    // ◆; nullptr where every pick is handed over.
    CaptionedList* submitList() const { return submit_; }
    // Every list of the pad, ◆ last.
    QList<CaptionedList*> controls() const;

    // A pick of a digit list, stored as the traits say.
    void store(const DigitList& digits, int index) const;
    // The answer the stored picks make.
    int entered() const;

    // Between problems.
    void putAway() const;
    // Emptied for a new answer, its stored pick back to 0: each list shown
    // under its own caption, or as the screen says.
    void makeReady(const std::function<QString(const DigitList&)>& caption = {},
                   const std::function<bool(const DigitList&)>& shown = {}) const;

    // Of the lists a step made ready, the one an answer of this size is begun
    // in; nullptr where none of them is the pad's.
    QWidget* listToBeginAnswer(const QList<QWidget*>& ready, int answer) const;

private:
    void setReady(CaptionedList* list, const QString& caption, bool shown) const;

    QList<DigitList> lists_;
    QList<CaptionedList*> controls_;
    CaptionedList* submit_ = nullptr;
    AnswerPadTraits traits_;
};

// The caption a digit list shows for its place.
QString placeCaption(DigitPlace place);
