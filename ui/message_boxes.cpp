#include "core/message_boxes.h"

#include "core/display_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A close box on the confirmation must not count as いいえ, which QMessageBox
// would make of it (it maps closing to the escape button).
class ConfirmBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closedByBox = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (event->spontaneous() || !clickedButton())
            closedByBox = true;
        QMessageBox::closeEvent(event);
    }
};

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

class QtMessageBoxes final : public MessageBoxes {
public:
    ConfirmAnswer confirm(const QString& text) override {
        ConfirmBox box(QMessageBox::Question, QStringLiteral("確認"), displayText(text),
                       QMessageBox::NoButton, dialogParent());
        box.setObjectName(QStringLiteral("ConfirmBox"));
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        if (box.closedByBox)
            return ConfirmAnswer::ClosedByBox;
        return box.clickedButton() == no ? ConfirmAnswer::No : ConfirmAnswer::Yes;
    }

    void information(const QString& text) override {
        QMessageBox box(QMessageBox::Information, QStringLiteral("情報"), displayText(text),
                        QMessageBox::NoButton, dialogParent());
        box.setObjectName(QStringLiteral("InformationBox"));
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
    }

    void errorReport(const QString& text) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("ポルナ"), displayText(text),
                        QMessageBox::NoButton, dialogParent());
        box.setObjectName(QStringLiteral("ErrorReport"));
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
    }
};

} // namespace

template <> std::unique_ptr<MessageBoxes> Seam<MessageBoxes>::makeDefault() {
    return std::make_unique<QtMessageBoxes>();
}
