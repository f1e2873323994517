#pragma once

#include "core/seam.h"

#include <QString>

class QWidget;

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the contents page of the help file (help command 3, data 0). The
    // help window belongs to `owner` and closes with it.
    virtual void showContents(const QString& helpFile, QWidget* owner) = 0;
};

inline HelpViewer& helpViewer() {
    return Seam<HelpViewer>::get();
}
