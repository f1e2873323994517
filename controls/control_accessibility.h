#pragma once

// Gives the program's own controls their accessible interfaces, so that a
// screen reader (over AT-SPI on Linux) and an outside UI test see named push
// buttons, lists with their entries and static texts. Call once the
// application object exists, before the first window is made; calling it again
// does nothing.
void installControlAccessibility();
