// The window as assistive technology meets it: every control a user reaches is
// named in the window's words, boxes are related to the labels beside them,
// hidden lists and read-only boxes say what they are, and the result of an
// action (a refusal, a new value) is told as an event that carries its text.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <set>
#include <string>

#include "announcer.h"
#include "planner_style.h"
#include "window_test_support.h"

using namespace tessmar;

namespace {

QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

QString name_of(QWidget* widget) { return accessible(widget)->text(QAccessible::Name); }

}  // namespace

class WindowAccessibilityTest : public QObject, private WindowUnderTest {
    Q_OBJECT

    // The widgets of every control of one kind that the window shows.
    template <class W>
    std::vector<W*> shown() const
    {
        std::vector<W*> widgets;
        for (W* w : window_->findChildren<W*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && w->objectName() != QStringLiteral("dummy")) widgets.push_back(w);
        return widgets;
    }

    // What a click on the button tells a screen reader: the name of the
    // notification that the window shows anew, or nothing.
    QString told_by_click(std::string_view button)
    {
        const Announcer& announcer = window_->announcer();
        const int before = announcer.times_told();
        widget<QPushButton>(button)->click();
        if (announcer.times_told() == before) return {};
        QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(const_cast<Announcer*>(&announcer));
        if (notification->role() != QAccessible::Notification) return QStringLiteral("<not a notification>");
        return notification->text(QAccessible::Name);
    }

    void click(std::string_view button) { widget<QPushButton>(button)->click(); }

private slots:
    void initTestCase()
    {
        use_planner_style();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { open_window(); }

    void cleanup() { close_window(); }

    // Every button, text box and list has a name, no two buttons share one,
    // and a line's "+" and "-" say which line they raise and lower.
    void every_control_has_a_name_and_each_button_its_own()
    {
        std::set<QString> button_names;
        for (QPushButton* button : shown<QPushButton>()) {
            const QString name = name_of(button);
            QVERIFY2(!name.isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(button_names.insert(name).second, qPrintable(name + QStringLiteral(" twice")));
        }
        for (QLineEdit* box : shown<QLineEdit>()) QVERIFY2(!name_of(box).isEmpty(), qPrintable(box->objectName()));
        for (QPlainTextEdit* box : shown<QPlainTextEdit>()) QVERIFY2(!name_of(box).isEmpty(), qPrintable(box->objectName()));
        for (QListWidget* list : window_->findChildren<QListWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!name_of(list).isEmpty(), qPrintable(list->objectName()));

        struct Case {
            std::string_view control;
            QString name;
        };
        for (const Case& c : {Case{"ST_plus", "Raise Strength"}, Case{"ST_minus", "Lower Strength"},
                              Case{"Hitpoints_plus", "Raise Hit Points"}, Case{"bow_plus", "Raise Bow"},
                              Case{"Persausion_minus", "Lower Persuasion"}, Case{"ADTraps_plus", "Raise Arm/Disarm Traps"},
                              Case{"Strength", "Strength base"}, Case{"Adjstrength", "Strength adjusted"},
                              Case{"PCname", "Name"}, Case{"CPs_remaining", "Character Points Remaining"},
                              Case{"message_window", "Message"}, Case{"Race_Selection", "Race Selection"},
                              Case{"Spell_list", "Spells"}, Case{"levelup", "Level-up"}})
            QCOMPARE(name_of(window_->widget_of(c.control)), c.name);
        for (QPushButton* button : shown<QPushButton>()) {
            const QString id = button->objectName();
            if (!id.endsWith(QStringLiteral("_plus")) && !id.endsWith(QStringLiteral("_minus"))) continue;
            const bool plus = id.endsWith(QStringLiteral("_plus"));
            QVERIFY2(name_of(button).startsWith(plus ? QStringLiteral("Raise ") : QStringLiteral("Lower ")), qPrintable(id));
            // The other button of the line names the same line.
            QString other = id;
            other.replace(plus ? QStringLiteral("_plus") : QStringLiteral("_minus"), plus ? QStringLiteral("_minus") : QStringLiteral("_plus"));
            QCOMPARE(name_of(button).mid(6), name_of(window_->widget_of(other.toStdString())).mid(6));
        }
    }

    // A box beside a label is labelled by it: the relation a screen reader follows.
    void boxes_are_labelled_by_the_label_beside_them()
    {
        int labelled = 0;
        for (const Control* control : window_->form().controls().in_order()) {
            // Qt relates labels to widgets, not to lists, which carry the label's words as their name.
            if (control->labelled_by.empty() || control->kind() == ControlKind::ListBox) continue;
            QAccessibleInterface* box = accessible(window_->widget_of(control->name()));
            QAccessibleInterface* label = accessible(window_->widget_of(control->labelled_by));
            bool found = false;
            for (const auto& relation : box->relations(QAccessible::Label)) found = found || relation.first == label;
            QVERIFY2(found, control->name().c_str());
            ++labelled;
        }
        QVERIFY(labelled >= 30);  // the name, the stat and skill boxes, the derived boxes and the lists
    }

    // A hidden list and its entries are not showing; a read-only box is read-only
    // text, not editable; the window is a window.
    void states_and_roles_say_what_is_there()
    {
        for (std::string_view name : {"Tech_list", "Schematic_list"}) {
            QAccessibleInterface* list = accessible(window_->widget_of(name));
            QVERIFY(list->state().invisible);
            QVERIFY(list->childCount() > 0);
            for (int i = 0; i < list->childCount(); ++i) QVERIFY2(list->child(i)->state().invisible, name.data());
        }
        click("Tech_select");
        QAccessibleInterface* colleges = accessible(window_->widget_of("Magick_list"));
        for (int i = 0; i < colleges->childCount(); ++i) QVERIFY(colleges->child(i)->state().invisible);
        QAccessibleInterface* disciplines = accessible(window_->widget_of("Tech_list"));
        QVERIFY(!disciplines->state().invisible);
        QVERIFY(!disciplines->child(0)->state().invisible);

        for (std::string_view name : {"Strength", "CPs_remaining", "message_window", "Clevel"}) {
            const QAccessible::State state = accessible(window_->widget_of(name))->state();
            QVERIFY2(state.readOnly && !state.editable, name.data());
            QCOMPARE(accessible(window_->widget_of(name))->text(QAccessible::Value),
                     widget<QLineEdit>(name)->text());
        }
        const QAccessible::State name_box = accessible(window_->widget_of("PCname"))->state();
        QVERIFY(name_box.editable && !name_box.readOnly);
        QCOMPARE(accessible(window_.get())->role(), QAccessible::Window);
    }

    // A purchase tells the line's new values, a refusal its message each time,
    // a press that changes nothing the values as they are, and a button that
    // reports nothing tells nothing (Qt's offscreen platform sends no
    // accessibility event to a handler, so the notification is read as a screen
    // reader reads it once told).
    void an_actions_result_is_told()
    {
        QCOMPARE(told_by_click("ST_plus"), QStringLiteral("Strength base 9, Strength adjusted 9, Character Points Remaining 4"));
        for (int i = 0; i < 3; ++i) told_by_click("ST_plus");
        QCOMPARE(told_by_click("ST_plus"), QStringLiteral("Strength base 13, Strength adjusted 13, Character Points Remaining 0"));
        QCOMPARE(told_by_click("ST_plus"), QStringLiteral("No CPs left"));
        QCOMPARE(told_by_click("ST_plus"), QStringLiteral("No CPs left"));  // again, though the box shows the same
        QCOMPARE(told_by_click("levelup"), QStringLiteral("Current Level 2, Character Points Remaining 1"));
        QCOMPARE(told_by_click("Magick_select"), QString());  // shows the colleges: nothing to tell
        QCOMPARE(told_by_click("bow_minus"), QStringLiteral("Bow 0, Character Points Remaining 1"));  // no rank to sell
    }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "window_accessibility_test.moc"
