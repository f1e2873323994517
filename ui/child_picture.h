#pragma once

#include <QPixmap>

// The 64 × 64 drawing of a child (dark hair, red top, one hand raised) that
// stands beside the prompt on every screen.
QPixmap childPicture();
