// What a screen reader meets on every screen: each button and list named, with
// its role, each list's entries as its children, painted where they are said
// to be.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/focus_ring.h"
#include "tests/support/program.h"
#include "tests/support/temp_kyozai.h"

#include <QAccessible>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {

// The controls of this screen, not of the lesson screens the menu owns.
template <typename Control> QList<Control*> controlsOf(QWidget* screen) {
    QList<Control*> own;
    for (Control* control : screen->findChildren<Control*>())
        if (control->window() == screen)
            own << control;
    return own;
}

// The lists are shown and enabled as in the middle of a test problem or a drill run.
void showLists(QWidget* screen) {
    for (CaptionedList* list : controlsOf<CaptionedList>(screen)) {
        list->setEnabled(true);
        list->show();
    }
}

// Everything reachable from an interface, as a screen reader walks it.
QSet<QAccessibleInterface*> tree(QAccessibleInterface* root) {
    QSet<QAccessibleInterface*> reached{root};
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i))
            reached += tree(child);
    return reached;
}

} // namespace

class ControlAccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<StartedProgram> program_;
    QWidget* screen_ = nullptr;

    void screens() {
        QTest::addColumn<QString>("screen");
        for (int n = 1; n <= 13; ++n)
            QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << QStringLiteral("Form%1").arg(n);
    }

private slots:
    void initTestCase() {
        folder_ = std::make_unique<TempKyozai>();
        program_ = std::make_unique<StartedProgram>();
    }
    void init() {
        QFETCH(QString, screen);
        screen_ = screen == "Form1" ? static_cast<QWidget*>(Form1) : Form1->findChild<QWidget*>(screen);
        QVERIFY(screen_);
        screen_->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen_));
        showLists(screen_);
    }
    void cleanup() {
        if (screen_)
            screen_->hide();
    }

    void everyControlIsNamedWithItsRole_data() { screens(); }
    void everyControlIsNamedWithItsRole() {
        const QSet<QAccessibleInterface*> reached = tree(QAccessible::queryAccessibleInterface(screen_));
        QSet<QString> buttonNames;
        for (TCuteButton* button : controlsOf<TCuteButton>(screen_)) {
            if (!button->isVisibleTo(screen_))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
            QVERIFY(reached.contains(iface));
            QCOMPARE(iface->role(), QAccessible::PushButton);
            QVERIFY(!button->caption().isEmpty());
            // Said as it reads, after its topic where it stands under one;
            // no two buttons of a screen sound the same.
            const QString name = iface->text(QAccessible::Name);
            QVERIFY2(name.endsWith(button->caption().remove(u'&')), qPrintable(name));
            QVERIFY2(!buttonNames.contains(name), qPrintable(name));
            buttonNames << name;
        }
        for (CaptionedList* list : controlsOf<CaptionedList>(screen_)) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
            QVERIFY(reached.contains(iface));
            QCOMPARE(iface->role(), QAccessible::List);
            const bool submits = list->caption().isEmpty() && list->items().size() == 1 &&
                                 list->items().first().trimmed() == "◆";
            QCOMPARE(iface->text(QAccessible::Name), submits ? "こたえを だす" : list->caption().trimmed());
            QVERIFY(!iface->text(QAccessible::Name).isEmpty());
            QCOMPARE(iface->text(QAccessible::Value), list->text());
            QStringList children;
            for (int i = 0; i < iface->childCount(); ++i) {
                QCOMPARE(iface->child(i)->role(), QAccessible::ListItem);
                children << iface->child(i)->text(QAccessible::Name);
            }
            QCOMPARE(children, list->items());
        }
    }

    // The ring of the focused button or list: 2 px wide, standing out 3:1
    // from the face it is drawn on and from the window around the control.
    void focusRingStandsOut_data() { screens(); }
    void focusRingStandsOut() {
        screen_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen_));
        const QColor window = screen_->palette().color(QPalette::Window);
        for (QWidget* control : controlsOf<QWidget>(screen_)) {
            auto* button = qobject_cast<TCuteButton*>(control);
            if (!(button || qobject_cast<CaptionedList*>(control)) || !control->isEnabled() ||
                !control->isVisibleTo(screen_))
                continue;
            const QColor face = button ? button->color() : control->palette().color(QPalette::Base);
            control->setFocus();
            const QImage focused = control->grab().toImage();
            for (int x = button ? 2 * button->bevelWidth() : 0, edge = x + 2; x < edge; ++x) {
                const QColor ring =
                    focused.pixelColor(QPoint(x, control->height() / 2) * focused.devicePixelRatio());
                QVERIFY2(focus_ring::contrast(ring, face) >= 3 && focus_ring::contrast(ring, window) >= 3,
                         qPrintable(control->objectName() + " " + ring.name()));
            }
        }
    }

    // The menu, the digit lists, ◆ and the drills' time list alike.
    void clickingAnEntrysRectPicksIt_data() { screens(); }
    void clickingAnEntrysRectPicksIt() {
        QWindow* window = screen_->windowHandle();
        for (CaptionedList* list : controlsOf<CaptionedList>(screen_)) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
            const QSignalBlocker noHandler(list); // the pick, not what the lesson makes of it
            for (const int entry : {iface->childCount() - 1, 0}) {
                showLists(screen_);
                const QRect rect = iface->child(entry)->rect();
                QVERIFY2(!rect.isEmpty(), qPrintable(list->objectName()));
                QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(rect.center()));
                QCOMPARE(list->itemIndex(), entry);
                QVERIFY(iface->child(entry)->state().selected);
            }
        }
    }
};

QTEST_MAIN(ControlAccessibilityTest)
#include "test_control_accessibility.moc"
