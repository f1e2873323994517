#pragma once

class TDataModule1;
class TForm1;

// The data module and the menu, from start-up to exit.
extern TDataModule1* DataModule1;
extern TForm1* Form1;

// The one instance of each topic screen, made by start-up from the table of
// screens and ended at shut-down; nullptr outside that time.
template <typename Screen> inline Screen* theScreen = nullptr;
