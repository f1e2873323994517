#include "tests/support/fakes.h"

#include "core/poruna_error.h"

#include <QFileInfo>
#include <QTest>
#include <utility>

int ScriptedRandom::R(int n) {
    limits << n;
    if (draws_.isEmpty()) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("the generator asked for R(%1) after the scripted draws ran out").arg(n)),
            __FILE__, __LINE__);
        throw PorunaError(QStringLiteral("scripted draws ran out"));
    }
    const int draw = draws_.takeFirst();
    if (draw < 0 || draw >= n) {
        QTest::qFail(qPrintable(QStringLiteral("scripted draw %1 is outside R(%2)").arg(draw).arg(n)),
                     __FILE__, __LINE__);
        throw PorunaError(QStringLiteral("scripted draw out of range"));
    }
    return draw;
}

void RecordingMediaDevice::open(const QString& file) {
    opened_.clear();
    events << QStringLiteral("open ") + QFileInfo(file).fileName();
    if (!failOpensWith.isEmpty())
        throw PorunaError(failOpensWith);
    opened_ = file;
}

void RecordingMediaDevice::play() {
    events << QStringLiteral("play ") + QFileInfo(opened_).fileName();
}

ConfirmAnswer ScriptedMessageBoxes::confirm(const QString& text) {
    shown << QStringLiteral("confirm: ") + text;
    return answers.isEmpty() ? ConfirmAnswer::Yes : answers.takeFirst();
}

void ScriptedMessageBoxes::errorReport(const QString& text) {
    shown << QStringLiteral("error: ") + text;
    if (whileReportOpen)
        std::exchange(whileReportOpen, nullptr)();
}

FakePlatform::FakePlatform()
    : random(new ScriptedRandom), clock(new FixedClock), media(new RecordingMediaDevice),
      help(new RecordingHelpViewer), boxes(new ScriptedMessageBoxes) {
    oldRandom_ = Seam<RandomSource>::install(std::unique_ptr<RandomSource>(random));
    oldClock_ = Seam<Clock>::install(std::unique_ptr<Clock>(clock));
    oldMedia_ = Seam<MediaDevice>::install(std::unique_ptr<MediaDevice>(media));
    oldHelp_ = Seam<HelpViewer>::install(std::unique_ptr<HelpViewer>(help));
    oldBoxes_ = Seam<MessageBoxes>::install(std::unique_ptr<MessageBoxes>(boxes));
}

FakePlatform::~FakePlatform() {
    Seam<RandomSource>::install(std::move(oldRandom_));
    Seam<Clock>::install(std::move(oldClock_));
    Seam<MediaDevice>::install(std::move(oldMedia_));
    Seam<HelpViewer>::install(std::move(oldHelp_));
    Seam<MessageBoxes>::install(std::move(oldBoxes_));
}
