#pragma once

#include <QString>

// The one record of the lesson in progress. Lesson screens are modal, so only
// one of them uses it at a time; each resets the fields it needs.
struct LessonState {
    QString programFolder; // ends with the path separator
    QString kazuFilter;
    int mode = 0; // 1 study, 2 test, 0 before any lesson screen was shown
    int menuItem = 0;
    int problemKind = 0;
    int hintShown = 0;
    int correctCount = 0;
    int problemCount = 0;
    int entryStep = 0;
    int soundsEnabled = 0;
    int correctAnswer = 0;
    int operand1 = 0;
    int operand2 = 0;
    int operand3 = 0;
    int operand4 = 0;
    int digitTenThousands = 0;
    int digitThousands = 0;
    int digitHundreds = 0;
    int digitTens = 0;
    int digitOnes = 0;
    int enteredAnswer = 0;
    int explanationStep = 0;
};

inline constexpr int StudyMode = 1;
inline constexpr int TestMode = 2;

LessonState& lessonState();

// A decimal place of an answer, and the digit field of LessonState that a
// digit list of that place writes.
enum class DigitPlace { TenThousands, Thousands, Hundreds, Tens, Ones };
// 10000, 1000, 100, 10 or 1.
int placeValue(DigitPlace place);
int& digitField(LessonState& state, DigitPlace place);
int digitField(const LessonState& state, DigitPlace place);
