#include "app/menu_screen.h"

#include "app/application_info.h"
#include "app/confirm_quit.h"
#include "app/screen_table.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/error_report.h"
#include "core/help_viewer.h"
#include "core/lesson_state.h"
#include "core/message_boxes.h"
#include "ui/keyboard_focus.h"
#include "ui/media_player.h"
#include "ui/screen_builder.h"
#include "ui/screen_frame.h"
#include "ui/sound_cue.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct Heading {
    int number;
    QPoint at;
    const char16_t* text;
};

const Heading headings[] = {
    {6, {60, 90}, u"１．数"},       {8, {60, 180}, u"２．たし算"},
    {11, {60, 350}, u"３．ひき算"}, {16, {412, 90}, u"４．ぶんしょう もんだい"},
    {20, {412, 220}, u"５．長さ"},  {7, {412, 310}, u"６．かけ算"},
};

// A heading without its number: "２．たし算" is the topic たし算.
QString headingTopic(int number) {
    for (const Heading& h : headings)
        if (h.number == number) {
            const QString text = QString::fromUtf16(h.text);
            return text.mid(text.indexOf(u'．') + 1);
        }
    return {};
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ポルナ"));
    setFont(look::rounded(19));
    setFixedSize(zoom::size({955, 716}));

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("MainMenu1"));
    QAction* contents = help->addAction(QStringLiteral("使い方"));
    contents->setShortcut(QKeySequence::HelpContents);
    connectGuarded(contents, &QAction::triggered, this, [this] { HelpContentsClick(); });
    connectGuarded(help->addAction(QStringLiteral("バージョン情報")), &QAction::triggered, this,
                   [this] { VersionInfoClick(); });

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, look::windowBackground);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    client->setFixedSize(zoom::size({955, 716}) - QSize(0, menuBar()->sizeHint().height()));
    buildControls(client);

    MediaPlayer1 = new MediaPlayer(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connectGuarded(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_->start();

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connectGuarded(timer3_, &QTimer::timeout, this, [this] { Timer3Timer(); });

    runGuarded([this] { FormCreate(); });
}

void TForm1::buildControls(QWidget* client) {
    build::shape(client, QStringLiteral("Shape1"), QRect(56, 32, 97, 33), look::windowBackground,
                 look::black);
    build::label(client, QStringLiteral("Label4"), QPoint(60, 34), look::rounded(27, true), look::navy,
                 QStringLiteral("もくじ"));
    for (const Heading& h : headings)
        build::label(client, QStringLiteral("Label%1").arg(h.number), h.at, look::rounded(19, true),
                     look::navy, QString::fromUtf16(h.text));

    // Tab goes down the topics as they are numbered, the left column first.
    std::vector<const ScreenRow*> topics;
    for (const ScreenRow& row : screenRows())
        topics.push_back(&row);
    std::ranges::sort(topics, {}, &ScreenRow::menuButton);
    for (const ScreenRow* t : topics) {
        TCuteButton* b =
            build::button(client, QStringLiteral("CuteButton%1").arg(t->menuButton), t->buttonBox,
                          QString::fromUtf16(t->caption), t->drill ? look::skyBlue : look::topicFace,
                          look::navy, look::rounded(19, true));
        // Three buttons read ドリル and two ２～４けたのあん算: a child who
        // listens hears each with the topic it stands under.
        b->setAccessibleName(headingTopic(t->heading) + u' ' + b->caption());
        connectGuarded(b, &TCuteButton::clicked, this, [this, t] {
            buildLessonScreens(); // a topic chosen before the menu's first paint
            openLesson(t->screen());
        });
        buttons_ << b;
    }

    image1_ = build::childPicture(client, QStringLiteral("Image1"), QPoint(0, 576));
    image1_->hide();
    label5_ = build::label(client, QStringLiteral("Label5"), QPoint(68, 598), look::rounded(19), look::red);

    TCuteButton* quit =
        build::button(client, QStringLiteral("CuteButton2"), QRect(840, 592, 90, 30),
                      QStringLiteral("おわる"), look::navy, look::cream, look::rounded(15, true));
    connectGuarded(quit, &TCuteButton::clicked, this, [this] { CuteButton2Click(); });
    buttons_ << quit;
    keyboard::setTabChain(this, buttons_);

    build::clockStatusBar(client, 680);
}

void TForm1::FormCreate() {
    LessonState& s = lessonState();
    s.soundsEnabled = 0;
    s.programFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath() + u'/';
    setApplicationHelpFile(s.programFolder + QStringLiteral("ポルナ.hlp"));
    image1_->show();
    label5_->setCaption(QStringLiteral("「ボタン」を えらんで はじめてね！"));
    timer3_->start();
}

void TForm1::openLesson(QDialog* screen) {
    if (screen)
        screen->exec();
}

void TForm1::CuteButton2Click() {
    ConfirmQuit();
}

void TForm1::Timer1Timer() {
    showClock(this);
}

void TForm1::Timer3Timer() {
    lessonState().soundsEnabled = 1;
    // Stopped first, so a failing cue does not leave the timer firing every second.
    timer3_->stop();
    PlayCue(SoundCue::StartUp);
}

void TForm1::HelpContentsClick() {
    helpViewer().showContents(applicationHelpFile(), this);
}

void TForm1::VersionInfoClick() {
    messageBoxes().information(QStringLiteral("ポルナ\r\nVersion 1.2"));
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    requestTermination();
}

// The arrow keys go from a button to the nearest one that way: up and down
// a column, left and right across.
void TForm1::keyPressEvent(QKeyEvent* event) {
    if (!keyboard::moveFocusByArrow(event, this, buttons_))
        QMainWindow::keyPressEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        centreOnScreen(this);
}
