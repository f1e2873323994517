#include "lessons/drills/drill_table.h"

#include "data/data_module.h"
#include "data/table_query.h"

void emptyAnswerTable(TDataModule1& data) {
    data.RequeryDorill();
    TableQuery& query = *data.DorillQuery;
    TableTransaction emptying(query);
    query.first();
    while (!query.eof())
        query.deleteCurrent();
    emptying.commit();
}

void appendAnswerRow(TDataModule1& data, const AnswerRow& row) {
    data.RequeryDorill();
    TableQuery& query = *data.DorillQuery;
    query.append();
    query.setField(0, row.number);
    query.setField(1, row.problem);
    query.setField(2, row.correctAnswer);
    query.setField(3, row.enteredAnswer);
    query.setField(4, row.mark);
    query.post();
}
