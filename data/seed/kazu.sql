-- Place-value examples shown by the numbers screen's ポイント１ table: how many
-- thousands, hundreds, tens and ones (K1000, K100, K10, K1) make the number KAZU.
-- The lesson lists only rows whose NB is above 0, in NB order, so the rows are
-- kept here in the order they were written, not in NB order. Rows with NB 0 or
-- below are examples taken out of the lesson (kept so they can come back by
-- renumbering them).
CREATE TABLE kazu (
    NB    INTEGER NOT NULL,
    K1000 INTEGER NOT NULL,
    K100  INTEGER NOT NULL,
    K10   INTEGER NOT NULL,
    K1    INTEGER NOT NULL,
    KAZU  INTEGER NOT NULL
);

--                NB  K1000 K100 K10 K1  KAZU
INSERT INTO kazu VALUES ( 5,  1,  0,  0,  0,  1000);
INSERT INTO kazu VALUES ( 1,  0,  1,  2,  3,   123);
INSERT INTO kazu VALUES ( 0,  0,  0,  0,  7,     7);
INSERT INTO kazu VALUES ( 8,  4,  6,  5,  3,  4653);
INSERT INTO kazu VALUES ( 3,  0,  3,  0,  5,   305);
INSERT INTO kazu VALUES (12,  0, 38,  0,  0,  3800);
INSERT INTO kazu VALUES ( 2,  0,  2,  4,  0,   240);
INSERT INTO kazu VALUES (-1,  0,  0, 12,  0,   120);
INSERT INTO kazu VALUES ( 9,  6,  0,  0,  9,  6009);
INSERT INTO kazu VALUES ( 4,  0,  8,  0,  0,   800);
INSERT INTO kazu VALUES (11,  0,  0, 45,  0,   450);
INSERT INTO kazu VALUES ( 7,  3,  0,  7,  0,  3070);
INSERT INTO kazu VALUES (10,  8,  9,  0,  0,  8900);
INSERT INTO kazu VALUES ( 6,  2,  3,  4,  5,  2345);
INSERT INTO kazu VALUES (13,  9,  9,  9,  9,  9999);
INSERT INTO kazu VALUES (14, 10,  0,  0,  0, 10000);
