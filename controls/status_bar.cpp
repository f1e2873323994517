#include "controls/status_bar.h"

#include "controls/edges.h"
#include "controls/look.h"
#include "controls/zoom.h"

#include <QPainter>

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), background_(palette().color(QPalette::Window)) {}

void StatusBar::addPanel(int width, Qt::Alignment alignment) {
    panels_.append({zoom::length(width), alignment, {}});
    update();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= panels_.size())
        return;
    panels_[panel].text = text;
    update();
}

QString StatusBar::panelText(int panel) const {
    return panel >= 0 && panel < panels_.size() ? panels_.at(panel).text : QString();
}

void StatusBar::setBackground(const QColor& color) {
    background_ = color;
    update();
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    const QColor shadow = background_.darker(140);
    const QColor light = background_.lighter(112);
    int left = 0;
    for (int i = 0; i < panels_.size(); ++i) {
        const Panel& panel = panels_.at(i);
        // The last panel runs to the right edge, as status bars do.
        const int width = i + 1 == panels_.size() ? std::max(panel.width, this->width() - left) : panel.width;
        const QRect r(left, 2, width - 2, height() - 3);
        paintEdges(p, r, 1, shadow, light);
        p.setPen(palette().color(QPalette::WindowText));
        look::drawText(p, r.adjusted(3, 0, -3, 0),
                       (panel.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, panel.text);
        left += width;
    }
}
