#pragma once

#include <QString>

class TDataModule1;

// One judged answer as the table dorill keeps it, in the order of its fields
// (NB, MND, KAI, KOT, HNT), which are set by position.
struct AnswerRow {
    int number = 0;  // the problem's number in the run
    QString problem; // "　12 + 34"
    int correctAnswer = 0;
    int enteredAnswer = 0;
    QString mark; // " ○" or " ×"
};

// スタート: requeries dorill and deletes its rows one by one from the first
// until end of data, all in one transaction, so the table is either emptied
// or, should anything fail or the program die midway, left as it was.
void emptyAnswerTable(TDataModule1& data);

// ◆: requeries dorill, appends the row, sets its five fields by position and
// posts it; once this returns the row is committed to the file.
void appendAnswerRow(TDataModule1& data, const AnswerRow& row);
