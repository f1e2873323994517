// ぶんしょう もんだい：たし算とひき算 — the eight stories, the three steps of each
// line diagram, the rotation of the kinds, and the line pictures pixel by pixel.
#include "controls/look.h"
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "lessons/wordproblems/addsub_word_problems.h"
#include "lessons/wordproblems/line_picture.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QImage>
#include <QSet>
#include <QTest>

using Mark = LinePicture::LineMark;

namespace {
const QString none = QStringLiteral("<none>");

// What a step shows, on one line: "Image6@466 Label8=37 Label17".
QString elements(const DiagramStep& step) {
    QStringList shown;
    for (const ShownLine& line : step.lines)
        shown << QStringLiteral("Image%1").arg(line.image) +
                     (line.top ? QStringLiteral("@%1").arg(*line.top) : "");
    for (const NumberCaption& number : step.numbers)
        shown << QStringLiteral("Label%1=%2").arg(number.label).arg(number.text);
    for (int label : step.shownLabels)
        shown << QStringLiteral("Label%1").arg(label);
    return shown.join(u' ');
}

// The strip of a 16-pixel line, '#' black and '.' the window colour; a wider
// line has plain line columns between its left and right eight.
QChar expectedPixel(const QStringList& art, int width, int x, int row) {
    if (x < 8)
        return art[row][x];
    if (x >= width - 8)
        return art[row][16 - (width - x)];
    return row == 4 || row == 5 ? u'#' : u'.';
}

// What the screen's diagram shows, in any order: the visible lines at their
// tops ("Image6@466"), the numbers ("Label8=28"), the visible letters and row names.
QSet<QString> diagramOn(const ScreenDriver& d) {
    QSet<QString> shown;
    for (int n = 2; n <= 8; ++n)
        if (auto* line = d.child(QStringLiteral("Image%1").arg(n)); !line->isHidden())
            shown << QStringLiteral("Image%1@%2").arg(n).arg(line->y());
    for (int n = 7; n <= 18; ++n)
        if (const QString number = d.label(n)->caption(); n <= 12 && !number.isEmpty())
            shown << QStringLiteral("Label%1=%2").arg(n).arg(number);
        else if (n > 12 && !d.label(n)->isHidden())
            shown << QStringLiteral("Label%1").arg(n);
    return shown;
}

QSet<QString> words(const QString& text) {
    const QStringList list = text.split(u' ', Qt::SkipEmptyParts);
    return {list.begin(), list.end()};
}

using Board = ScreenAlone<TForm9>;
} // namespace

class AddSubWordProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void questions_data();
    void questions();
    void diagramSteps_data();
    void diagramSteps();
    void rotationAndCaptions_data();
    void rotationAndCaptions();
    void scriptedDrawTakesAThenB();
    void everyPairIsDrawnAndUsed();
    void linePicturePixels_data();
    void linePicturePixels();
    void studyCycleDrawsTheDiagramStepByStep_data();
    void studyCycleDrawsTheDiagramStepByStep();
    void testModeJudgesEachKindsOwnAnswer();
};

namespace {
// Kinds 1 to 4 with a = 29, b = 8 (s = 37); kinds 5 to 8 with a = 11, b = 3 (s = 14).
AddSubWordProblem exampleOf(int kind) {
    return kind <= 4 ? AddSubWordProblem{29, 8} : AddSubWordProblem{11, 3};
}
} // namespace

void AddSubWordProblemsTest::questions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("equation");
    const auto row = [](int kind, const char* text, int answer, const char* equation) {
        QTest::addRow("kind %d", kind) << kind << QString(text) << answer << QString(equation);
    };
    row(1,
        "きのう ミカンを 29 コ もらって、\rきょう また 8 コ もらったよ。\rぜんぶで もらった\u3000ミカンは "
        "なんコ？",
        37, "こたえ：29 + 8 = 37");
    // 29 is entered as 十 = 2, 一 = 9.
    row(2, "ミカンを 37 コ もらって、\r8 コ たべたよ。 \rのこった ミカンは なんコ？", 29,
        "こたえ：37 - 8 = 29");
    row(3,
        "ミカンを なんコか もらって、\r8 コ たべたら、29 コ のこったよ。 \rはじめに もらった ミカンは "
        "なんコ？",
        37, "こたえ：29 + 8 = 37");
    row(4,
        "きのう ミカンを なんコか もらって、\rきょう また 8 コ もらったので、\r37 コ になったよ。 \rきのう "
        "もらった ミカンは なんコ？",
        29, "こたえ：37 - 8 = 29");
    // Kinds 5 and 6 ask for b, a single digit.
    row(5,
        "きのう ミカンを 11 コ もらって、\rきょう また なんコか もらったので、\r14 コ になったよ。 \rきょう "
        "もらった ミカンは なんコ？",
        3, "こたえ：14 - 11 = 3");
    row(6, "ミカンを 14 コ もらって、\rなんコか たべたら、11 コ のこったよ。 \rたべた ミカンは なんコ？", 3,
        "こたえ：14 - 11 = 3");
    row(7,
        "白いはこに ミカンが 14 コ あるよ。\r白いはこの ミカンは 赤いはこより 3 コ 多いよ。 \r赤いはこの "
        "ミカンは なんコ？",
        11, "こたえ：14 - 3 = 11");
    row(8,
        "赤いはこに ミカンが 11 コ あるよ。\r赤いはこの ミカンは 白いはこより 3 コ 少ないよ。 \r白いはこの "
        "ミカンは なんコ？",
        14, "こたえ：11 + 3 = 14");
    row(0, "<none>", 0, "<none>"); // before any つぎへ
}

void AddSubWordProblemsTest::questions() {
    QFETCH(int, kind);
    const auto question = addSubQuestion(kind, exampleOf(kind));
    QTEST(question ? question->text : none, "text");
    QTEST(question ? question->answer : 0, "answer");
    QTEST(question ? question->equation : none, "equation");
}

void AddSubWordProblemsTest::diagramSteps_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const auto row = [](int kind, int step, const char* text, const char* shown) {
        QTest::addRow("kind %d step %d", kind, step) << kind << step << QString(text) << QString(shown);
    };
    row(1, 1, "【ステップ１】\r\r\u3000 きのう もらった 29 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image2 Label7=29");
    row(2, 1, "【ステップ１】\r\r\u3000 もらった 37 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image6@466 Label8=37");
    row(3, 1, "【ステップ１】\r\r\u3000 もらった なんコかの ぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image6@466 Label8=？");
    row(4, 1,
        "【ステップ１】\r\r\u3000 きのう もらった なんコかの ぶんの \r\u3000 せんを てきとうな 長さで かく。",
        "Image2 Label7=？");
    row(5, 1, "【ステップ１】\r\r\u3000 きのう もらった 11 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image2 Label7=11");
    row(6, 1, "【ステップ１】\r\r\u3000 もらった 14 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image6@466 Label8=14");
    row(7, 1, "【ステップ１】\r\r\u3000 白いはこの 14 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image7@466 Label8=14 Label17");
    row(8, 1, "【ステップ１】\r\r\u3000 赤いはこの 11 コぶんの せんを\r\u3000 てきとうな 長さで かく。",
        "Image4 Label10=11 Label18");
    row(1, 2,
        "【ステップ２】\r\r\u3000 きょう 8 コ もらうと ふえるので、そのぶんの\r\u3000 せんを てきとうな "
        "長さで つけたす。",
        "Image3 Label9=8");
    row(2, 2,
        "【ステップ２】\r\r\u3000 8 コ たべると へるので、そのぶんの せんを \r\u3000 てきとうな 長さで "
        "もどして かく。",
        "Image5 Label12=8");
    row(3, 2,
        "【ステップ２】\r\r\u3000 8 コ たべると へるので、そのぶんの せんを\r\u3000 てきとうな 長さで "
        "もどして "
        "かき、\r\u3000 のこった 29 コの せんを かく。",
        "Image4 Image5 Label10=29 Label12=8");
    row(4, 2,
        "【ステップ２】\r\r\u3000 8 コ もらうと ふえるので、そのぶんの せんを\r\u3000 てきとうな 長さで "
        "つけたし、"
        "ぜんぶで \r\u3000 37 コぶんの せんを べつに かく。",
        "Image3 Image7@496 Label9=8 Label11=37");
    row(5, 2,
        "【ステップ２】\r\r\u3000 きょう なんコか もらうと ふえるので、\r\u3000 そのぶんの せんを てきとうな "
        "長さで "
        "かき、\r\u3000 ぜんぶで 14 コぶんの せんを べつに かく。",
        "Image3 Image7@496 Label9=？ Label11=14");
    row(6, 2,
        "【ステップ２】\r\r\u3000 なんコか たべると へるので、そのぶんの せんを\r\u3000 てきとうな 長さで "
        "もどして "
        "かき、のこった \r\u3000 11 コぶんのせんを かく。",
        "Image4 Image5 Label10=11 Label12=？");
    row(7, 2, "【ステップ２】\r\r\u3000 白いはこが 3 コ 多くなるように、赤いはこの\r\u3000 せんを かく。",
        "Image4 Image8@496 Label10=？ Label12=3 Label18");
    row(8, 2, "【ステップ２】\r\r\u3000 赤いはこが 3 コ 少なく なるように、白いはこの\r\u3000 せんを かく。",
        "Image7@466 Image8@496 Label8=？ Label12=3 Label17");
    row(1, 3,
        "【ステップ３】\r\r\u3000 ぜんぶで もらった数は、Ａ～Ｃの 長さに\r\u3000 なるので：\u300029 + 8 = "
        "37\r\u3000 "
        "こたえ：37 コ",
        "Label13 Label15");
    row(2, 3,
        "【ステップ３】\r\r\u3000 のこりの数は、Ａ～Ｄの 長さに \r\u3000 なるので：\u300037 - 8 = 29\r\u3000 "
        "こたえ：29 コ",
        "Label13 Label16");
    row(3, 3,
        "【ステップ３】\r\r\u3000 はじめに もらった数は、Ａ～Ｃの 長さに\r\u3000 なるので：\u300029 + 8 = "
        "37\r\u3000 "
        "こたえ：37 コ",
        "Label13 Label15");
    row(4, 3,
        "【ステップ３】\r\r\u3000 きのう もらった数は、Ａ～Ｂの 長さに\r\u3000 なるので：\u300037 - 8 = "
        "29\r\u3000 "
        "こたえ：29 コ",
        "Label13 Label14");
    row(5, 3,
        "【ステップ３】\r\r\u3000 きょう もらった数は、Ｂ～Ｃの長さに\r\u3000 なるので：\u300014 - 11 = "
        "3\r\u3000 こたえ：3 コ",
        "Label14 Label15");
    row(6, 3,
        "【ステップ３】\r\r\u3000 たべた数は、Ｃ～Ｄの長さに \r\u3000 なるので：\u300014 - 11 = 3\r\u3000 "
        "こたえ：3 コ",
        "Label15 Label16");
    row(7, 3,
        "【ステップ３】\r\r\u3000 赤いはこの 数は、Ａ～Ｄの 長さに\r\u3000 なるので：\u300014 - 3 = "
        "11\r\u3000 こたえ：11 コ",
        "Label13 Label16");
    row(8, 3,
        "【ステップ３】\r\r\u3000 白い はこの 数は、Ａ～Ｃの 長さに\r\u3000 なるので：\u300011 + 3 = "
        "14\r\u3000 こたえ：14 コ",
        "Label13 Label15");
    // Before any つぎへ the kind is 0 and a step draws nothing.
    row(0, 1, "<none>", "<none>");
    row(0, 3, "<none>", "<none>");
    row(1, 4, "<none>", "<none>");
}

void AddSubWordProblemsTest::diagramSteps() {
    QFETCH(int, kind);
    QFETCH(int, step);
    const auto shown = addSubDiagramStep(kind, step, exampleOf(kind));
    QTEST(shown ? shown->text : none, "text");
    QTEST(shown ? elements(*shown) : none, "shown");
}

void AddSubWordProblemsTest::rotationAndCaptions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("nextKind");
    QTest::addColumn<int>("stepAfter"); // the step the ステップ button names next
    QTest::newRow("the first つぎへ after showing brings kind 1") << 0 << 1 << 1;
    QTest::newRow("after step 1 the button names step 2") << 1 << 2 << 2;
    QTest::newRow("after step 2 it names step 3") << 2 << 3 << 3;
    QTest::newRow("after step 3 it starts over") << 3 << 4 << 1;
    QTest::newRow("kind 7 is followed by 8") << 7 << 8 << 1;
    QTest::newRow("kind 8 is followed by 1") << 8 << 1 << 1;
}

void AddSubWordProblemsTest::rotationAndCaptions() {
    QFETCH(int, kind);
    QTEST(nextInCycle(kind, addSubKinds), "nextKind");
    // The same counter read as a step; the screen's button shows it as "ステップN".
    QTEST(nextInCycle(kind, addSubSteps), "stepAfter");
}

void AddSubWordProblemsTest::scriptedDrawTakesAThenB() {
    ScriptedRandom random;
    random.script({18, 5, 0, 0});
    const AddSubWordProblem largest = drawAddSubWordProblem(random);
    QCOMPARE((QList<int>{largest.a, largest.b, largest.sum()}), (QList<int>{29, 8, 37}));
    const AddSubWordProblem smallest = drawAddSubWordProblem(random);
    QCOMPARE((QList<int>{smallest.a, smallest.b, smallest.sum()}), (QList<int>{11, 3, 14}));
    QCOMPARE(random.limits, (QList<int>{19, 6, 19, 6}));
    QCOMPARE(random.reseeds, 2);
}

void AddSubWordProblemsTest::everyPairIsDrawnAndUsed() {
    SeededRandom random;
    QSet<int> pairs;
    for (int i = 0; i < 6000; ++i) {
        const int before = random.draws;
        const AddSubWordProblem p = drawAddSubWordProblem(random);
        QCOMPARE(random.draws - before, 2); // no redraw
        QVERIFY2(p.a >= 11 && p.a <= 29 && p.b >= 3 && p.b <= 8,
                 qPrintable(QStringLiteral("%1, %2").arg(p.a).arg(p.b)));
        pairs.insert(p.a * 10 + p.b);
        // Every answer, whatever the kind asks, fits the two selectors 十 and 一.
        for (int kind = 1; kind <= addSubKinds; ++kind)
            QVERIFY(addSubQuestion(kind, p)->answer <= 99);
    }
    QCOMPARE(pairs.size(), 19 * 6);
}

void AddSubWordProblemsTest::linePicturePixels_data() {
    QTest::addColumn<Mark>("left");
    QTest::addColumn<Mark>("right");
    QTest::addColumn<QStringList>("art"); // rows 1 to 10 of a line 16 pixels wide
    const QStringList tickAndArrow{
        ".........###....", "..........###...", "##.........###..", "##..........###.", "################",
        "################", "##..........###.", "##.........###..", "..........###...", ".........###....",
    };
    const QStringList plainAndArrow{
        ".........###....", "..........###...", "...........###..", "............###.", "################",
        "################", "............###.", "...........###..", "..........###...", ".........###....",
    };
    const QStringList tickAndTick{
        "................", "................", "##............##", "##............##", "################",
        "################", "##............##", "##............##", "................", "................",
    };
    const QStringList arrowAndTick{
        "....###.........", "...###..........", "..###.........##", ".###..........##", "################",
        "################", ".###..........##", "..###.........##", "...###..........", "....###.........",
    };
    QTest::newRow("tick, arrowhead pointing right (Image2, Image6)")
        << Mark::Tick << Mark::Arrowhead << tickAndArrow;
    QTest::newRow("no mark, arrowhead pointing right (Image3)")
        << Mark::None << Mark::Arrowhead << plainAndArrow;
    QTest::newRow("ticks at both ends (Image4, Image7, Image8)") << Mark::Tick << Mark::Tick << tickAndTick;
    QTest::newRow("arrowhead pointing left, tick (Image5)") << Mark::Arrowhead << Mark::Tick << arrowAndTick;
}

void AddSubWordProblemsTest::linePicturePixels() {
    QFETCH(Mark, left);
    QFETCH(Mark, right);
    QFETCH(QStringList, art);
    const QColor behind(Qt::magenta); // what the screen shows under the strip
    for (int width : {16, 67, 300}) {
        for (int ratio : {1, 2}) {
            LinePicture picture;
            // Through Qt's properties, as a tool or an outside client would set them.
            QVERIFY(picture.setProperty("leftMark", QVariant::fromValue(left)));
            QVERIFY(picture.setProperty("rightMark", QVariant::fromValue(right)));
            picture.resize(width, LinePicture::controlHeight);
            QImage image(width * ratio, LinePicture::controlHeight * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(behind);
            // Only what the picture paints itself: under its strip the screen shows through.
            picture.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int row = y / ratio;
                    const QColor expected = row >= LinePicture::pictureHeight ? behind
                                            : expectedPixel(art, width, x / ratio, row) == u'#'
                                                ? QColor(Qt::black)
                                                : look::windowBackground;
                    if (image.pixelColor(x, y) != expected)
                        QFAIL(
                            qPrintable(QString::asprintf("width %d at ratio %d: (%d, %d) is %s", width, ratio,
                                                         x, y, qPrintable(image.pixelColor(x, y).name()))));
                }
            }
        }
    }
}

void AddSubWordProblemsTest::studyCycleDrawsTheDiagramStepByStep_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("diagram"); // after steps 1 and 2, for a = 23, b = 5 (s = 28)
    QTest::addColumn<QString>("letters");     // what step 3 adds
    QTest::newRow("ステップ before any つぎへ draws nothing") << 0 << QStringList{"", ""} << "";
    const auto row = [](int kind, QStringList diagram, const char* letters) {
        QTest::addRow("kind %d", kind) << kind << diagram << QString(letters);
    };
    row(1, {"Image2@466 Label7=23", "Image2@466 Image3@466 Label7=23 Label9=5"}, "Label13 Label15");
    row(2, {"Image6@466 Label8=28", "Image5@496 Image6@466 Label8=28 Label12=5"}, "Label13 Label16");
    row(3, {"Image6@466 Label8=？", "Image4@496 Image5@496 Image6@466 Label8=？ Label10=23 Label12=5"},
        "Label13 Label15");
    row(4, {"Image2@466 Label7=？", "Image2@466 Image3@466 Image7@496 Label7=？ Label9=5 Label11=28"},
        "Label13 Label14");
    row(5, {"Image2@466 Label7=23", "Image2@466 Image3@466 Image7@496 Label7=23 Label9=？ Label11=28"},
        "Label14 Label15");
    row(6, {"Image6@466 Label8=28", "Image4@496 Image5@496 Image6@466 Label8=28 Label10=23 Label12=？"},
        "Label15 Label16");
    row(7,
        {"Image7@466 Label8=28 Label17",
         "Image4@496 Image7@466 Image8@496 Label8=28 Label10=？ Label12=5 Label17 Label18"},
        "Label13 Label16");
    row(8,
        {"Image4@496 Label10=23 Label18",
         "Image4@496 Image7@466 Image8@496 Label8=？ Label10=23 Label12=5 Label17 Label18"},
        "Label13 Label15");
}

void AddSubWordProblemsTest::studyCycleDrawsTheDiagramStepByStep() {
    QFETCH(int, kind);
    QFETCH(QStringList, diagram);
    QFETCH(QString, letters);
    diagram << diagram[1] + u' ' + letters << diagram[1] + u' ' + letters; // step 3, then step 1 over it
    Board d;
    for (int k = 0; k < kind; ++k)
        d.platform.random->script({12, 2});
    d.act("open");
    for (int k = 1; k <= kind; ++k)
        d.run(k < kind ? QStringList{"next", "answer", "answer", "answer"} : QStringList{"next"});
    QCOMPARE(lessonState().problemKind, kind);
    for (int press = 1; press <= 4; ++press) {
        d.act("answer");
        const int step = (press - 1) % 3 + 1;
        QCOMPARE(diagramOn(d), words(diagram[press - 1]));
        QCOMPARE(d.caption(6).left(7), kind ? QStringLiteral("【ステップ%1】").arg(QChar(u'０' + step)) : "");
        QCOMPARE(d.button(5)->caption(), QStringLiteral("ステップ") + QChar(u'０' + step % 3 + 1));
    }
}

void AddSubWordProblemsTest::testModeJudgesEachKindsOwnAnswer() {
    Board d;
    for (int k = 0; k < 10; ++k)
        d.platform.random->script({12, 2});          // a = 23, b = 5, s = 28
    const QString asks = QStringLiteral("sasabbas"); // by kinds 1 … 8
    const QMap<QChar, int> value{{u's', 28}, {u'a', 23}, {u'b', 5}};
    const QMap<QChar, QString> equation{
        {u's', "こたえ：23 + 5 = 28"}, {u'a', "こたえ：28 - 5 = 23"}, {u'b', "こたえ：28 - 23 = 5"}};
    // Kind 1 in the study mode the last screen left; the rotation goes on in test mode.
    lessonState().mode = StudyMode;
    d.run({"open", "next", "mode"});
    // Odd kinds get their own answer (b with 十 left unchosen), even kinds the
    // sum a + b, and the last problem nothing at all.
    const QString marks = QStringLiteral("×○×○×○○×");
    for (int problem = 0; problem < 8; ++problem) {
        const int kind = problem < 7 ? problem + 2 : 1;
        d.act("next");
        QCOMPARE(lessonState().problemKind, kind);
        const int number = problem == 7 ? -1 : kind % 2 ? value[asks[kind - 1]] : 28;
        if (number >= 10)
            d.act(QStringLiteral("pick 3 %1").arg(number / 10));
        if (number >= 0)
            d.act(QStringLiteral("pick 2 %1").arg(number % 10));
        d.act("pick 1 0");
        QCOMPARE(d.caption(4), marks[problem]);
        QCOMPARE(d.caption(6), equation[asks[kind - 1]]);
        QVERIFY(d.enabled(4));
    }
    // Every showing starts the rotation over.
    d.run({"back", "open", "next"});
    QCOMPARE(lessonState().problemKind, 1);
}

QTEST_MAIN(AddSubWordProblemsTest)
#include "test_addsub_word_problems.moc"
