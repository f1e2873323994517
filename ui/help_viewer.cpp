#include "core/help_viewer.h"

#include "controls/look.h"
#include "ui/window_placement.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Our own help window: a plain HTML browser over the help file. It reports a
// missing file itself, in the window, so the program never stops over it.
class HelpWindow final : public QWidget {
public:
    explicit HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("ポルナ ヘルプ"));
        resize(640, 560);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("HelpText"));
        browser_->setOpenExternalLinks(false);
        layout->addWidget(browser_);
        // Closed as a child closes it: its own button, or Escape (keyPressEvent).
        auto* close = new QPushButton(QStringLiteral("とじる"), this);
        close->setObjectName(QStringLiteral("HelpClose"));
        close->setFont(look::rounded(19, true));
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(8, 8, 8, 8);
        row->addStretch();
        row->addWidget(close);
        layout->addLayout(row);
    }

    void showFile(const QString& helpFile) {
        QFile file(helpFile);
        if (file.open(QIODevice::ReadOnly)) {
            browser_->setHtml(QString::fromUtf8(file.readAll()));
        } else {
            browser_->setHtml(QStringLiteral("<h2>ヘルプ ファイルが ひらけません</h2><p>%1</p><p>%2</p>")
                                  .arg(helpFile.toHtmlEscaped(), file.errorString().toHtmlEscaped()));
        }
        if (!isVisible())
            centreOnScreen(this);
        show();
        raise();
        activateWindow();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QWidget::keyPressEvent(event);
    }

private:
    QTextBrowser* browser_;
};

class WindowHelpViewer final : public HelpViewer {
public:
    void showContents(const QString& helpFile, QWidget* owner) override {
        if (window_ && window_->parentWidget() != owner)
            delete window_;
        if (!window_)
            window_ = new HelpWindow(owner);
        window_->showFile(helpFile);
    }

private:
    QPointer<HelpWindow> window_;
};

} // namespace

template <> std::unique_ptr<HelpViewer> Seam<HelpViewer>::makeDefault() {
    return std::make_unique<WindowHelpViewer>();
}
