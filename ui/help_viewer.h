#pragma once

#include "ui/seam.h"

#include <QString>

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the contents page of the help file (help command 3, data 0).
    virtual void showContents(const QString& helpFile) = 0;
};

inline HelpViewer& helpViewer() {
    return Seam<HelpViewer>::get();
}
