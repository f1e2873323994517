#pragma once

#include <QList>
#include <QMainWindow>

class QTimer;
class QDialog;
class CaptionLabel;
class MediaPlayer;
class TCuteButton;

// The menu screen もくじ: a topic button for each lesson screen, the Help menu,
// the media player all cues play through, the start-up cue and the clock.
class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    MediaPlayer* MediaPlayer1 = nullptr;

    void FormCreate();
    void openLesson(QDialog* screen);
    void CuteButton2Click();
    void Timer1Timer();
    void Timer3Timer();
    void HelpContentsClick();
    void VersionInfoClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls(QWidget* client);

    QTimer* timer1_ = nullptr;
    QTimer* timer3_ = nullptr;
    CaptionLabel* label5_ = nullptr;
    QWidget* image1_ = nullptr;
    // The topic buttons as numbered, then おわる: the tab order.
    QList<QWidget*> buttons_;
};
