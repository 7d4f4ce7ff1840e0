// What a user reads and sees in the window drawn headless: a failed save's
// message whole in its box, the keyboard focus marked plainly on every kind of
// control, and the purchases list showing the entry just bought.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <string>
#include <vector>

#include "focus_frame.h"
#include "planner_window.h"
#include "platform/file_replacement.h"
#include "planner_style.h"
#include "stand_ins.h"
#include "window_test_support.h"

using namespace tessmar;

namespace {

// A pixel that the focus changed plainly, not a shade.
bool changed(const QImage& before, const QImage& after, QPoint at)
{
    return colour_distance(before.pixelColor(at), after.pixelColor(at)) >= 120;
}

// The longest run of plainly changed pixels from `from` in steps of `step`, over `steps` pixels.
int changed_run(const QImage& before, const QImage& after, QPoint from, QPoint step, int steps)
{
    int longest = 0, run = 0;
    for (int i = 0; i < steps; ++i, from += step) {
        run = changed(before, after, from) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

}  // namespace

class WindowFocusTest : public QObject, private WindowUnderTest {
    Q_OBJECT

private:
    // The window's picture around a control: the control and 4 pixels on each side.
    QImage around(const QWidget* control)
    {
        const QRect area = control->geometry().adjusted(-4, -4, 4, 4) & window_->rect();
        return window_->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase()
    {
        use_planner_style();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        open_window();
        make_active();
    }

    void cleanup() { close_window(); }

    // Every reason a save meets reads whole in message_window, measured in the
    // box's own font against the room its frame and margins leave for text.
    void a_failed_saves_message_fits_its_box()
    {
        QLineEdit* box = widget<QLineEdit>("message_window");
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.rect = box->contentsRect();
        frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
        frame.midLineWidth = 0;
        frame.state |= QStyle::State_Sunken;
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
        const QMargins margins = box->textMargins();
        constexpr int inner_margin = 2;  // a QLineEdit keeps 2 pixels between its frame and its text on each side
        const int room = contents.width() - margins.left() - margins.right() - 2 * inner_margin;
        QVERIFY(room > 0 && room < box->width());
        const QFontMetrics metrics(box->font());

        // The window's own message for one of them, as the user meets it.
        QTemporaryDir folder;
        save_dialog_.answer = folder.filePath(QStringLiteral("missing/sheet.txt")).toStdString();
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("Not saved: No such file or directory"));

        struct Case {
            int error;
            const char* message;
        };
        for (const Case& c : {Case{EACCES, "Not saved: Permission denied"}, Case{ENOENT, "Not saved: No such file or directory"},
                              Case{ENOSPC, "Not saved: No space left on device"}, Case{EFBIG, "Not saved: File too large"},
                              Case{EROFS, "Not saved: Read-only file system"}, Case{EISDIR, "Not saved: Is a directory"},
                              Case{ENAMETOOLONG, "Not saved: File name too long"}, Case{EDQUOT, "Not saved: Disk quota exceeded"},
                              Case{EPERM, "Not saved: Operation not permitted"}, Case{EIO, "Not saved: Input/output error"},
                              Case{ENOTDIR, "Not saved: Not a directory"}, Case{EINVAL, "Not saved: Invalid argument"},
                              // the system's words are too long for these
                              Case{ELOOP, "Not saved: Too many symbolic links"}, Case{ENOTCONN, "Not saved: Not connected"},
                              Case{EAGAIN, "Not saved: Try again later"}, Case{EOVERFLOW, "Not saved: File too large"}}) {
            const QString message = QString::fromLatin1(c.message);
            QCOMPARE(QStringLiteral("Not saved: ") + qt(FileWriteResult{c.error}.reason()), message);
            const int width = metrics.horizontalAdvance(message);
            QVERIFY2(width <= room, qPrintable(QStringLiteral("%1: %2 of %3 pixels").arg(message).arg(width).arg(room)));
        }
    }

    // The control with the keyboard focus wears a frame at least 2 pixels deep
    // on each side, plainly unlike what it covers, and no neighbour loses a
    // pixel to it; for a button, a list with no entry, a list whose highlight a
    // Return has taken away, the two editable boxes and the description box.
    void the_focus_is_marked_plainly_on_every_kind_of_control()
    {
        struct Case {
            std::string_view control;
            std::string_view shown_by;  // a button that shows the control first, or empty
            bool press_return;          // then Return, on nothing highlighted
        };
        for (const Case& c : {Case{"ST_plus", "", false}, Case{"levelup", "", false}, Case{"purchased", "", false},
                              Case{"Spell_list", "", true}, Case{"Schematic_list", "Tech_select", true},
                              Case{"PCname", "", false}, Case{"alternativebackground", "", false},
                              Case{"background_explanations", "", false}}) {
            const std::string what(c.control);
            init();
            if (!c.shown_by.empty()) QTest::mouseClick(window_->widget_of(c.shown_by), Qt::LeftButton);
            QWidget* control = window_->widget_of(c.control);
            widget<QPushButton>("Quit")->setFocus(Qt::TabFocusReason);
            const QImage before = around(control);
            control->setFocus(Qt::TabFocusReason);
            if (c.press_return) {
                QCOMPARE(window_->form().controls().get<ListBox>(c.control).list_index(), -1);
                QTest::keyClick(control, Qt::Key_Return);
            }
            QCOMPARE(QApplication::focusWidget(), control);
            const QImage after = around(control);
            QCOMPARE(after.size(), before.size());

            const QRect inside = control->geometry().translated(-control->geometry().topLeft() + QPoint(4, 4));
            const QPoint middle = inside.center();
            const int left = changed_run(before, after, QPoint(0, middle.y()), QPoint(1, 0), 9);
            const int right = changed_run(before, after, QPoint(after.width() - 1, middle.y()), QPoint(-1, 0), 9);
            const int top = changed_run(before, after, QPoint(middle.x(), 0), QPoint(0, 1), 9);
            const int bottom = changed_run(before, after, QPoint(middle.x(), after.height() - 1), QPoint(0, -1), 9);
            QVERIFY2(left >= 2 && right >= 2 && top >= 2 && bottom >= 2,
                     qPrintable(QStringLiteral("%1: left %2, top %3, right %4, bottom %5")
                                    .arg(qt(what)).arg(left).arg(top).arg(right).arg(bottom)));

            // Nothing of a neighbour changes, not even where controls stand one pixel apart.
            for (QWidget* other : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == control || other == &window_->focus_frame() || !other->isVisible()) continue;
                const QRect shared = other->geometry().translated(-control->geometry().topLeft() + QPoint(4, 4)) &
                                     QRect(QPoint(0, 0), after.size());
                for (int y = shared.top(); y <= shared.bottom(); ++y)
                    for (int x = shared.left(); x <= shared.right(); ++x)
                        if (!inside.contains(x, y) && changed(before, after, QPoint(x, y)))
                            QFAIL(qPrintable(QStringLiteral("%1 covers %2 at %3,%4")
                                                 .arg(qt(what), other->objectName()).arg(x).arg(y)));
            }
            cleanup();
        }
        init();
    }

    // The frame goes with the focus, just outside a control with room around
    // it and on the edge of one that touches another, and leaves while the
    // focus is outside the window.
    void the_frame_follows_the_focus()
    {
        const FocusFrame& frame = window_->focus_frame();
        const auto outside = [](const QWidget* w) {
            constexpr int t = FocusFrame::thickness;
            return w->geometry().adjusted(-t, -t, t, t);
        };
        QWidget* name = window_->widget_of("PCname");
        QCOMPARE(frame.widget(), name);
        QVERIFY(frame.isVisible());
        QCOMPARE(frame.geometry(), name->geometry());  // its label "Name:" touches it
        QTest::keyClick(name, Qt::Key_Tab);
        QWidget* races = window_->widget_of("Race_Selection");
        QCOMPARE(frame.widget(), races);
        QCOMPARE(frame.geometry(), outside(races));
        // A click on a read-only box moves the focus, and the frame, to it; the
        // Base box touches its "+" button.
        QWidget* strength = window_->widget_of("Strength");
        QTest::mouseClick(strength, Qt::LeftButton);
        QCOMPARE(frame.widget(), strength);
        QCOMPARE(frame.geometry(), strength->geometry());
        // The frame lets the mouse through to the control below it.
        QCOMPARE(window_->childAt(strength->geometry().topLeft() + QPoint(1, 1)), strength);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!frame.isVisible());
        make_active();
        QVERIFY(frame.isVisible());
        QCOMPARE(frame.widget(), strength);

        // A dialog of the window's own (as Save As is) is no control of it:
        // no frame while the focus is in the dialog, the frame back after it.
        QDialog dialog(window_.get());
        auto* field = new QLineEdit(&dialog);
        dialog.move(window_->mapToGlobal(QPoint(200, 150)));
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(frame.widget(), nullptr);
        QVERIFY(!frame.isVisible());
        dialog.close();
        make_active();
        QTRY_VERIFY(frame.isVisible());
        QCOMPARE(frame.widget(), strength);
    }

    // A purchase is added at the end of the purchases list, which then shows it;
    // a list filled at start shows its top.
    void the_purchases_list_shows_the_entry_just_bought()
    {
        QListWidget* backgrounds = widget<QListWidget>("Background_Selection");
        QVERIFY(backgrounds->viewport()->rect().contains(backgrounds->visualItemRect(backgrounds->item(0))));

        for (int i = 0; i < 5; ++i) QTest::mouseClick(widget<QPushButton>("levelup"), Qt::LeftButton);
        QListWidget* purchased = widget<QListWidget>("purchased");
        const auto bought = [&](int count) {
            QCOMPARE(purchased->count(), count);
            QCOMPARE(window_->form().purchased.count(), count);
            const QRect last = purchased->visualItemRect(purchased->item(count - 1));
            QVERIFY2(purchased->viewport()->rect().contains(last), qPrintable(QStringLiteral("after %1").arg(count)));
        };
        QListWidget* colleges = widget<QListWidget>("Magick_list");
        QListWidget* spells = widget<QListWidget>("Spell_list");
        for (int college = 0; college < 5; ++college) {
            click_row(colleges, college);
            double_click(spells, 0);
            bought(college + 1);
        }
        QTest::mouseClick(widget<QPushButton>("Tech_select"), Qt::LeftButton);
        QListWidget* disciplines = widget<QListWidget>("Tech_list");
        QListWidget* schematics = widget<QListWidget>("Schematic_list");
        for (int discipline = 0; discipline < 5; ++discipline) {
            click_row(disciplines, discipline);
            double_click(schematics, 0);
            bought(6 + discipline);
        }
        QCOMPARE(purchased->item(9)->text(), QStringLiteral("heal Lite"));
        QVERIFY(purchased->visualItemRect(purchased->item(0)).bottom() < 0);  // the first ones scrolled away
        QCOMPARE(purchased->currentRow(), -1);  // and nothing highlighted
    }
};

QTEST_MAIN(WindowFocusTest)
#include "window_focus_test.moc"
