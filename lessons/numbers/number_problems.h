#pragma once

#include <QString>
#include <QStringList>

class RandomSource;

// A problem of the numbers screen: the counts of thousands, hundreds, tens and
// ones it was made from, the right answer and the question as shown.
struct NumberProblem {
    int pattern = 0; // the shape of a 数のあつまり１ problem, 0 to 8; 0 for the others
    int thousands = 0;
    int hundreds = 0;
    int tens = 0;
    int ones = 0;
    int answer = 0;
    QString question;
};

// Each generator reseeds the source before its first draw.

// 数のあつまり１: so many thousands, hundreds, tens and ones; what number do they make?
NumberProblem makeCollectionProblem(RandomSource& random);
// 数のあつまり２: how many tens, hundreds or thousands make a number of whole hundreds?
NumberProblem makeGroupingProblem(RandomSource& random);
// かん字を数字へ: a number up to 8888 written in kanji numerals, to be written in digits.
NumberProblem makeKanjiProblem(RandomSource& random);

// One line per count above 0, each ending in CR, then the question line.
QString collectionQuestion(int thousands, int hundreds, int tens, int ones);
// "こたえ：300 + 5 = 305": the place values above 0 summed.
QString placeSumAnswer(int thousands, int hundreds, int tens, int ones, int answer);
// "こたえ： 8900".
QString plainAnswer(int answer);
// 3015 → 三千十五, 1100 → 千百; 0 gives an empty text. For 0 to 9999.
QString kanjiNumeral(int number);

// ポイント２: how numbers are written in kanji, and the names of the places, one entry per line.
const QStringList& kanjiHint();
