-- The times tables 1 × 1 … 9 × 9 as the multiplication screen lists them: the
-- rows are shown in the order they are stored here, table by table.
--   kakezan  the fact as the child reads it: "3 × 6" (half-width digits, the
--            multiplication sign × with a space on each side)
--   kotae    the product
--   yomi     the chanted reading by which the table is learnt: the two numbers,
--            が before a one-digit product, then a space and the product
CREATE TABLE kuku (
    kakezan TEXT    NOT NULL,
    kotae   INTEGER NOT NULL,
    yomi    TEXT    NOT NULL
);

INSERT INTO kuku VALUES ('1 × 1',  1, 'いんいちが いち');
INSERT INTO kuku VALUES ('1 × 2',  2, 'いんにが に');
INSERT INTO kuku VALUES ('1 × 3',  3, 'いんさんが さん');
INSERT INTO kuku VALUES ('1 × 4',  4, 'いんしが し');
INSERT INTO kuku VALUES ('1 × 5',  5, 'いんごが ご');
INSERT INTO kuku VALUES ('1 × 6',  6, 'いんろくが ろく');
INSERT INTO kuku VALUES ('1 × 7',  7, 'いんしちが しち');
INSERT INTO kuku VALUES ('1 × 8',  8, 'いんはちが はち');
INSERT INTO kuku VALUES ('1 × 9',  9, 'いんくが く');

INSERT INTO kuku VALUES ('2 × 1',  2, 'にいちが に');
INSERT INTO kuku VALUES ('2 × 2',  4, 'ににんが し');
INSERT INTO kuku VALUES ('2 × 3',  6, 'にさんが ろく');
INSERT INTO kuku VALUES ('2 × 4',  8, 'にしが はち');
INSERT INTO kuku VALUES ('2 × 5', 10, 'にご じゅう');
INSERT INTO kuku VALUES ('2 × 6', 12, 'にろく じゅうに');
INSERT INTO kuku VALUES ('2 × 7', 14, 'にしち じゅうし');
INSERT INTO kuku VALUES ('2 × 8', 16, 'にはち じゅうろく');
INSERT INTO kuku VALUES ('2 × 9', 18, 'にく じゅうはち');

INSERT INTO kuku VALUES ('3 × 1',  3, 'さんいちが さん');
INSERT INTO kuku VALUES ('3 × 2',  6, 'さんにが ろく');
INSERT INTO kuku VALUES ('3 × 3',  9, 'さざんが く');
INSERT INTO kuku VALUES ('3 × 4', 12, 'さんし じゅうに');
INSERT INTO kuku VALUES ('3 × 5', 15, 'さんご じゅうご');
INSERT INTO kuku VALUES ('3 × 6', 18, 'さぶろく じゅうはち');
INSERT INTO kuku VALUES ('3 × 7', 21, 'さんしち にじゅういち');
INSERT INTO kuku VALUES ('3 × 8', 24, 'さんぱ にじゅうし');
INSERT INTO kuku VALUES ('3 × 9', 27, 'さんく にじゅうしち');

INSERT INTO kuku VALUES ('4 × 1',  4, 'しいちが し');
INSERT INTO kuku VALUES ('4 × 2',  8, 'しにが はち');
INSERT INTO kuku VALUES ('4 × 3', 12, 'しさん じゅうに');
INSERT INTO kuku VALUES ('4 × 4', 16, 'しし じゅうろく');
INSERT INTO kuku VALUES ('4 × 5', 20, 'しご にじゅう');
INSERT INTO kuku VALUES ('4 × 6', 24, 'しろく にじゅうし');
INSERT INTO kuku VALUES ('4 × 7', 28, 'ししち にじゅうはち');
INSERT INTO kuku VALUES ('4 × 8', 32, 'しは さんじゅうに');
INSERT INTO kuku VALUES ('4 × 9', 36, 'しく さんじゅうろく');

INSERT INTO kuku VALUES ('5 × 1',  5, 'ごいちが ご');
INSERT INTO kuku VALUES ('5 × 2', 10, 'ごに じゅう');
INSERT INTO kuku VALUES ('5 × 3', 15, 'ごさん じゅうご');
INSERT INTO kuku VALUES ('5 × 4', 20, 'ごし にじゅう');
INSERT INTO kuku VALUES ('5 × 5', 25, 'ごご にじゅうご');
INSERT INTO kuku VALUES ('5 × 6', 30, 'ごろく さんじゅう');
INSERT INTO kuku VALUES ('5 × 7', 35, 'ごしち さんじゅうご');
INSERT INTO kuku VALUES ('5 × 8', 40, 'ごは しじゅう');
INSERT INTO kuku VALUES ('5 × 9', 45, 'ごっく しじゅうご');

INSERT INTO kuku VALUES ('6 × 1',  6, 'ろくいちが ろく');
INSERT INTO kuku VALUES ('6 × 2', 12, 'ろくに じゅうに');
INSERT INTO kuku VALUES ('6 × 3', 18, 'ろくさん じゅうはち');
INSERT INTO kuku VALUES ('6 × 4', 24, 'ろくし にじゅうし');
INSERT INTO kuku VALUES ('6 × 5', 30, 'ろくご さんじゅう');
INSERT INTO kuku VALUES ('6 × 6', 36, 'ろくろく さんじゅうろく');
INSERT INTO kuku VALUES ('6 × 7', 42, 'ろくしち しじゅうに');
INSERT INTO kuku VALUES ('6 × 8', 48, 'ろくは しじゅうはち');
INSERT INTO kuku VALUES ('6 × 9', 54, 'ろっく ごじゅうし');

INSERT INTO kuku VALUES ('7 × 1',  7, 'しちいちが しち');
INSERT INTO kuku VALUES ('7 × 2', 14, 'しちに じゅうし');
INSERT INTO kuku VALUES ('7 × 3', 21, 'しちさん にじゅういち');
INSERT INTO kuku VALUES ('7 × 4', 28, 'しちし にじゅうはち');
INSERT INTO kuku VALUES ('7 × 5', 35, 'しちご さんじゅうご');
INSERT INTO kuku VALUES ('7 × 6', 42, 'しちろく しじゅうに');
INSERT INTO kuku VALUES ('7 × 7', 49, 'しちしち しじゅうく');
INSERT INTO kuku VALUES ('7 × 8', 56, 'しちは ごじゅうろく');
INSERT INTO kuku VALUES ('7 × 9', 63, 'しちく ろくじゅうさん');

INSERT INTO kuku VALUES ('8 × 1',  8, 'はちいちが はち');
INSERT INTO kuku VALUES ('8 × 2', 16, 'はちに じゅうろく');
INSERT INTO kuku VALUES ('8 × 3', 24, 'はっさん にじゅうし');
INSERT INTO kuku VALUES ('8 × 4', 32, 'はっし さんじゅうに');
INSERT INTO kuku VALUES ('8 × 5', 40, 'はちご しじゅう');
INSERT INTO kuku VALUES ('8 × 6', 48, 'はちろく しじゅうはち');
INSERT INTO kuku VALUES ('8 × 7', 56, 'はちしち ごじゅうろく');
INSERT INTO kuku VALUES ('8 × 8', 64, 'はっぱ ろくじゅうし');
INSERT INTO kuku VALUES ('8 × 9', 72, 'はっく しちじゅうに');

INSERT INTO kuku VALUES ('9 × 1',  9, 'くいちが く');
INSERT INTO kuku VALUES ('9 × 2', 18, 'くに じゅうはち');
INSERT INTO kuku VALUES ('9 × 3', 27, 'くさん にじゅうしち');
INSERT INTO kuku VALUES ('9 × 4', 36, 'くし さんじゅうろく');
INSERT INTO kuku VALUES ('9 × 5', 45, 'くご しじゅうご');
INSERT INTO kuku VALUES ('9 × 6', 54, 'くろく ごじゅうし');
INSERT INTO kuku VALUES ('9 × 7', 63, 'くしち ろくじゅうさん');
INSERT INTO kuku VALUES ('9 × 8', 72, 'くは しちじゅうに');
INSERT INTO kuku VALUES ('9 × 9', 81, 'くく はちじゅういち');
