#pragma once

#include "core/clock.h"
#include "core/help_viewer.h"
#include "core/media_device.h"
#include "core/message_boxes.h"
#include "core/random_source.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A random source that hands out exactly the draws a test scripts, and fails
// the test loudly when the generator asks for more.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    int R(int n) override;
    void script(const QList<int>& draws) { draws_ += draws; }
    int remaining() const { return static_cast<int>(draws_.size()); }
    int reseeds = 0;
    QList<int> limits; // the n of every R(n) asked for

private:
    QList<int> draws_;
};

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return at; }
    QDateTime at;
};

// Records every open and play; can be told to fail opens with a message.
class RecordingMediaDevice final : public MediaDevice {
public:
    void open(const QString& file) override;
    void play() override;
    MediaMode mode() const override { return opened_.isEmpty() ? MediaMode::NotReady : MediaMode::Stopped; }

    QStringList events; // "open <file name>" and "play <file name>"
    QString failOpensWith;

private:
    QString opened_;
};

class RecordingHelpViewer final : public HelpViewer {
public:
    void showContents(const QString& helpFile, QWidget*) override { requests << helpFile; }
    QStringList requests;
};

// Answers the confirmations a test scripts (はい when nothing is scripted) and
// records every box shown as "kind: text".
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    ConfirmAnswer confirm(const QString& text) override;
    void information(const QString& text) override { shown << QStringLiteral("information: ") + text; }
    void errorReport(const QString& text) override;

    QList<ConfirmAnswer> answers;
    QStringList shown;
    // Runs while an error report is open, as the events of its nested loop would.
    std::function<void()> whileReportOpen;
};

// Installs one fake of each seam for the life of a test and puts the real ones
// back afterwards.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    ScriptedRandom* random;
    FixedClock* clock;
    RecordingMediaDevice* media;
    RecordingHelpViewer* help;
    ScriptedMessageBoxes* boxes;

private:
    std::unique_ptr<RandomSource> oldRandom_;
    std::unique_ptr<Clock> oldClock_;
    std::unique_ptr<MediaDevice> oldMedia_;
    std::unique_ptr<HelpViewer> oldHelp_;
    std::unique_ptr<MessageBoxes> oldBoxes_;
};
