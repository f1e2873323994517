-- The answers of the last drill run, one row per judged answer. The drill
-- screens set the fields by position, so their order is fixed:
--   0 NB   problem number within the run
--   1 MND  the problem as shown, e.g. "　12 + 34"
--   2 KAI  the right answer
--   3 KOT  the child's answer
--   4 HNT  " ○" or " ×"
-- Supplied empty; the first スタート of a drill fills it.
CREATE TABLE dorill (
    NB  INTEGER,
    MND TEXT,
    KAI INTEGER,
    KOT INTEGER,
    HNT TEXT
);
