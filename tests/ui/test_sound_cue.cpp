// Which file each cue opens, and when the device is played.
#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "tests/support/fakes.h"
#include "ui/media_player.h"
#include "ui/sound_cue.h"

#include <QTest>

class SoundCueTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cueOpensItsFile_data();
    void cueOpensItsFile();
    void cueWithoutAFileReplaysThePreviousOne();
    void silentCueStillOpensTheDevice();
    void openFailureEndsTheCueWithTheDeviceMessage();

private:
    FakePlatform* platform_ = nullptr;
    MediaPlayer* player_ = nullptr;
};

void SoundCueTest::init() {
    platform_ = new FakePlatform;
    player_ = new MediaPlayer;
    lessonState() = LessonState{};
    lessonState().programFolder = QStringLiteral("/opt/poruna/");
    lessonState().soundsEnabled = 1;
}

void SoundCueTest::cleanup() {
    delete player_;
    delete platform_;
}

void SoundCueTest::cueOpensItsFile_data() {
    QTest::addColumn<uint>("cue");
    QTest::addColumn<QString>("file");
    QTest::newRow("11 show") << 11u << "pipo.wav";
    QTest::newRow("12 answer") << 12u << "poon.wav";
    QTest::newRow("13 wrong") << 13u << "bubuu.wav";
    QTest::newRow("14 right") << 14u << "pinpon.wav";
    QTest::newRow("16 start-up") << 16u << "charararan.wav";
    QTest::newRow("17 digit") << 17u << "bun.wav";
    QTest::newRow("19 hint") << 19u << "chararan.wav";
}

void SoundCueTest::cueOpensItsFile() {
    QFETCH(uint, cue);
    QFETCH(QString, file);
    PlayCue(SoundCue(cue));
    QCOMPARE(player_->fileName(), "/opt/poruna/oto/" + file);
    QCOMPARE(platform_->media->events, QStringList({"open " + file, "play " + file}));
}

void SoundCueTest::cueWithoutAFileReplaysThePreviousOne() {
    PlayCue(SoundCue::Wrong);
    for (uint code : {15u, 18u, 10u, 20u})
        PlayCue(SoundCue(code));
    QCOMPARE(platform_->media->events.size(), 10);
    for (const QString& event : platform_->media->events)
        QVERIFY2(event.endsWith("bubuu.wav"), qPrintable(event));
}

void SoundCueTest::silentCueStillOpensTheDevice() {
    lessonState().soundsEnabled = 0;
    PlayCue(SoundCue::Show);
    PlayCue(SoundCue::Right);
    QCOMPARE(platform_->media->events, QStringList({"open pipo.wav", "open pinpon.wav"}));
}

void SoundCueTest::openFailureEndsTheCueWithTheDeviceMessage() {
    platform_->media->failOpensWith = QStringLiteral("no output device");
    QVERIFY_THROWS_EXCEPTION(PorunaError, PlayCue(SoundCue::Show));
    QCOMPARE(platform_->media->events, QStringList({"open pipo.wav"}));
}

QTEST_MAIN(SoundCueTest)
#include "test_sound_cue.moc"
