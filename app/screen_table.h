#pragma once

#include <QRect>
#include <span>

class ScreenFrame;
class QWidget;
class TDataModule1;

// One topic screen of the program: the menu button that opens it, and how it
// is made and ended. A new screen is one row of the table; nothing else in the
// application changes.
struct ScreenRow {
    int menuButton; // CuteButtonN of the menu
    QRect buttonBox;
    const char16_t* caption;
    bool drill;  // the drills' buttons are sky blue
    int heading; // the menu label the button stands under
    // Makes the screen (a screen that shows a table is handed the data module)
    // and keeps it as theScreen<its class>.
    ScreenFrame* (*make)(TDataModule1& data, QWidget* menu);
    ScreenFrame* (*screen)(); // nullptr until made
    void (*destroy)();
};

// Every lesson screen, in the order start-up makes them.
std::span<const ScreenRow> screenRows();
