// Input into the planner's text boxes, headless: pastes and drops of no data
// or of far more than fits, keys and input method commits in a full box, what
// the boxes take of them, undo and redo of an input that the limit cuts or
// that follows a redone cut, and the read-only boxes' view of their text.
// Run on an X display (QT_QPA_PLATFORM=xcb) the middle-click rows run too.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "planner_window.h"
#include "planner_style.h"
#include "stand_ins.h"
#include "box_input.h"
#include "window_test_support.h"

using namespace tessmar;

namespace {

enum class Input { CtrlV, ShiftInsert, MiddleClick, Drop, Menu, InputMethod };
enum class Offer { NoData, NoFormats, Huge };

const QString huge_line(200 * 1024, QLatin1Char('x'));  // 200 KB on one line

}  // namespace

Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(Offer)

class TextBoxInputTest : public QObject, private WindowUnderTest {
    Q_OBJECT

private:
    const TextBox& model(const char* name) { return window_->form().controls().get<TextBox>(name); }

    // Where mouse events and drops go: a text area's viewport, a line itself.
    static QWidget* target(QWidget* w)
    {
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) return text->viewport();
        return w;
    }

    // A point just after the end of a box's first line, where a click puts the caret after "AAABBB".
    static QPoint after_first_line(QWidget* w)
    {
        if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            return {text->viewport()->width() - 4, text->cursorRect(QTextCursor(text->document())).center().y()};
        return {w->width() - 4, w->height() / 2};
    }

    // The box shows what the model holds.
    bool widget_is_model(const char* name) { return shown_text(widget<QWidget>(name)) == widget_text(model(name)); }

    static void offer_on_clipboard(Offer offer, QClipboard::Mode mode)
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        switch (offer) {
        case Offer::NoData: clipboard->clear(mode); break;
        case Offer::NoFormats: clipboard->setMimeData(new QMimeData, mode); break;
        case Offer::Huge: clipboard->setText(huge_line, mode); break;
        }
    }

    // A drag from outside the window, dropped after the box's first line.
    static void drop(QWidget* w, Offer offer)
    {
        QMimeData data;
        if (offer == Offer::NoData) data.setText(QString());
        if (offer == Offer::Huge) data.setText(huge_line);
        const QPoint at = after_first_line(w);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target(w), &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target(w), &move);
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target(w), &dropped);
    }

    // The box's context menu, its Paste chosen when it is enabled; false when
    // the menu has no Paste or it is disabled.
    static bool paste_from_menu(QWidget* w)
    {
        const QPoint at = target(w)->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target(w)->mapToGlobal(at));
        QApplication::sendEvent(target(w), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return false;
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->objectName() == QStringLiteral("edit-paste") || action->text().startsWith(QLineEdit::tr("&Paste")))
                paste = action;
        const bool reachable = paste != nullptr && paste->isEnabled();
        if (reachable) paste->trigger();
        menu->close();
        return reachable;
    }

    static void commit(QWidget* w, const QString& text, int replacement_start = 0, int replacement_length = 0)
    {
        QInputMethodEvent event;
        event.setCommitString(text, replacement_start, replacement_length);
        QApplication::sendEvent(w, &event);
    }

    // Selects from index `from` to index `to` of a box's text, the caret at `to`.
    static void select(QWidget* w, int from, int to)
    {
        if (auto* line = qobject_cast<QLineEdit*>(w)) return line->setSelection(from, to - from);
        auto* text = qobject_cast<QPlainTextEdit*>(w);
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
    }

    // The most characters the box's widget has held since the call.
    static std::shared_ptr<qsizetype> watch_length(QWidget* w)
    {
        auto most = std::make_shared<qsizetype>(shown_text(w).size());
        if (auto* line = qobject_cast<QLineEdit*>(w))
            QObject::connect(line, &QLineEdit::textChanged, line,
                             [most](const QString& text) { *most = std::max(*most, text.size()); });
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            QObject::connect(text->document(), &QTextDocument::contentsChanged, text, [most, text] {
                *most = std::max<qsizetype>(*most, text->document()->characterCount() - 1);
            });
        return most;
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

    // Each way of pasting or dropping, with nothing to paste (the clipboard
    // cleared, or holding data of no format at all) or 200 KB on one line,
    // into the editable boxes, which hold "AAABBB" with the caret after "AAA",
    // and into the read-only description. Nothing is inserted of no data; of
    // the huge line the box takes what fits, at the caret (a drop or middle
    // click: where it lands, after "BBB"), and the widget never holds more:
    // the cut comes before the widget lays the text out. Undo gives "AAABBB"
    // back.
    void a_paste_or_drop_takes_what_fits_of_what_it_offers_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<Input>("input");
        QTest::addColumn<Offer>("offer");
        const std::pair<Input, const char*> inputs[] = {
            {Input::CtrlV, "Ctrl+V"},         {Input::ShiftInsert, "Shift+Insert"}, {Input::MiddleClick, "middle click"},
            {Input::Drop, "drop"},            {Input::Menu, "menu Paste"},          {Input::InputMethod, "input method"}};
        const std::pair<Offer, const char*> offers[] = {
            {Offer::NoData, "no data"}, {Offer::NoFormats, "no formats"}, {Offer::Huge, "200 KB"}};
        for (const char* name : {"PCname", "alternativebackground", "background_explanations"})
            for (const auto& [input, input_name] : inputs)
                for (const auto& [offer, offer_name] : offers) {
                    if (input == Input::InputMethod && offer != Offer::Huge) continue;  // a commit is text
                    QTest::addRow("%s, %s, %s", name, input_name, offer_name) << QByteArray(name) << input << offer;
                }
    }

    void a_paste_or_drop_takes_what_fits_of_what_it_offers()
    {
        QFETCH(QByteArray, box);
        QFETCH(Input, input);
        QFETCH(Offer, offer);
        const char* name = box.constData();
        if (input == Input::MiddleClick && !QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform's clipboard has no selection for a middle click to paste");
        QWidget* w = widget<QWidget>(name);
        const bool editable = !model(name).read_only;
        w->setFocus();
        if (editable) {
            type_text(w, QStringLiteral("AAABBB"));
            set_caret(w, 3);
        }
        const QString before = shown_text(w);
        const int limit = model(name).max_length;
        const auto most = watch_length(w);

        switch (input) {
        case Input::CtrlV:
            offer_on_clipboard(offer, QClipboard::Clipboard);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            break;
        case Input::ShiftInsert:
            offer_on_clipboard(offer, QClipboard::Clipboard);
            QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Input::MiddleClick:
            offer_on_clipboard(offer, QClipboard::Selection);
            QTest::mouseClick(target(w), Qt::MiddleButton, {}, after_first_line(w));
            break;
        case Input::Drop: drop(w, offer); break;
        case Input::Menu:
            offer_on_clipboard(offer, QClipboard::Clipboard);
            // Paste is offered for text only, and never in a read-only box.
            QCOMPARE(paste_from_menu(w), editable && offer == Offer::Huge);
            break;
        case Input::InputMethod: commit(w, huge_line); break;
        }

        QVERIFY(widget_is_model(name));
        if (!editable || offer != Offer::Huge) {
            QCOMPARE(shown_text(w), before);
            return;
        }
        const QString taken(limit - 6, QLatin1Char('x'));
        const bool at_caret = input != Input::Drop && input != Input::MiddleClick;
        QCOMPARE(shown_text(w), at_caret ? QStringLiteral("AAA") + taken + QStringLiteral("BBB") : before + taken);
        QVERIFY2(*most <= limit, qPrintable(QStringLiteral("the widget held %1 characters").arg(*most)));
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown_text(w), before);
        QVERIFY(widget_is_model(name));
    }

    // An input that the limit cuts is one step of the undo history like any
    // other: undo gives back the text before it and the steps before that,
    // redo (Ctrl+Shift+Z or Ctrl+Y) takes them again, and the model follows
    // each step.
    void undo_and_redo_pass_over_an_input_that_the_limit_cut()
    {
        enum Do { Type, Paste, Caret, Select, Erase, Undo, RedoZ, RedoY };
        struct Step {
            Do what;
            QString text;  // typed or pasted; the text the caret goes after; the text to select
            QString after;
        };
        struct Case {
            const char* box;
            std::vector<Step> steps;
        };
        const QString long_paste(5120, QLatin1Char('p'));
        const QString filler(2993, QLatin1Char('f'));  // leaves room for 7
        const QString aaa_cut = QStringLiteral("AAA") + QString(2997, QLatin1Char('p'));
        const QString name_cut = QStringLiteral("AAA") + QString(19, QLatin1Char('p'));
        std::vector<Case> cases{
            {"alternativebackground",
             {{Type, "AAA", "AAA"}, {Paste, long_paste, aaa_cut}, {Undo, {}, "AAA"}, {Undo, {}, ""},
              {RedoZ, {}, "AAA"}, {RedoY, {}, aaa_cut}, {Undo, {}, "AAA"}, {RedoZ, {}, aaa_cut}}},
            {"alternativebackground",  // typing in the middle, apart from the paste before it
             {{Paste, filler, filler}, {Caret, QString(10, QLatin1Char('f')), filler},
              {Type, "abcdefgh", filler.left(10) + "abcdefg" + filler.mid(10)}, {Undo, {}, filler}, {Undo, {}, ""},
              {RedoY, {}, filler}, {RedoZ, {}, filler.left(10) + "abcdefg" + filler.mid(10)}}},
            {"alternativebackground",  // a line break counts two: of "\nxyz" with room for 2 only the break
             {{Paste, QString(2998, QLatin1Char('f')), QString(2998, QLatin1Char('f'))},
              {Paste, "\nxyz", QString(2998, QLatin1Char('f')) + "\n"}, {Undo, {}, QString(2998, QLatin1Char('f'))},
              {RedoY, {}, QString(2998, QLatin1Char('f')) + "\n"}}},
            {"PCname",
             {{Type, "AAA", "AAA"}, {Paste, long_paste, name_cut}, {Undo, {}, "AAA"}, {Undo, {}, ""},
              {RedoZ, {}, "AAA"}, {RedoY, {}, name_cut}}},
            {"PCname",
             {{Paste, "Sir ", "Sir "}, {Type, "Aldric Stormborn the Great", "Sir Aldric Stormborn t"},
              {Undo, {}, "Sir "}, {Undo, {}, ""}, {RedoY, {}, "Sir "}, {RedoZ, {}, "Sir Aldric Stormborn t"}}},
            {"PCname",  // the selection a paste replaces makes room, and comes back on undo
             {{Type, "Hello World", "Hello World"}, {Select, "World", "Hello World"},
              {Paste, long_paste, "Hello " + QString(16, QLatin1Char('p'))}, {Undo, {}, "Hello World"},
              {RedoZ, {}, "Hello " + QString(16, QLatin1Char('p'))}}},
            {"PCname",  // line breaks are left out of a one-line box
             {{Type, "Bob", "Bob"}, {Paste, " the\nBold\n", "Bob theBold"}, {Undo, {}, "Bob"},
              {RedoY, {}, "Bob theBold"}}},
        };
        // A paste into a box that a deletion emptied is a step apart from the deletion.
        for (const char* box : {"PCname", "alternativebackground"})
            cases.push_back({box,
                             {{Type, "abc", "abc"}, {Select, "abc", "abc"}, {Erase, {}, ""}, {Paste, "xyz", "xyz"},
                              {Undo, {}, ""}, {Undo, {}, "abc"}, {RedoY, {}, ""}, {RedoZ, {}, "xyz"}}});
        for (const Case& c : cases) {
            init();
            QWidget* w = widget<QWidget>(c.box);
            w->setFocus();
            int number = 0;
            for (const Step& step : c.steps) {
                const std::string where = std::string(c.box) + " step " + std::to_string(++number);
                switch (step.what) {
                case Type: type_text(w, step.text); break;
                case Paste: paste(w, step.text); break;
                case Caret: set_caret(w, static_cast<int>(shown_text(w).indexOf(step.text) + step.text.size())); break;
                case Select: {
                    const int from = static_cast<int>(shown_text(w).indexOf(step.text));
                    select(w, from, from + static_cast<int>(step.text.size()));
                    break;
                }
                case Erase: QTest::keyClick(w, Qt::Key_Backspace); break;
                case Undo: QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier); break;
                case RedoZ: QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); break;
                case RedoY: QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier); break;
                }
                QVERIFY2(shown_text(w) == step.after, where.c_str());
                QVERIFY2(widget_is_model(c.box), where.c_str());
            }
            cleanup();
        }
    }

    // After a redo of a cut (of the last character, selected backwards) a
    // paste, Backspace or typing in the name box acts at the caret, warns of
    // nothing, and undo and redo pass over it.
    void an_edit_after_the_redo_of_a_cut_acts_at_the_caret()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        enum Then { Paste, Backspace, TypeB };
        struct Case {
            const char* typed;
            Then then;
            const char* after;
            int caret;
            const char* undone;
        };
        // QLineEdit undoes typing or Backspace together with the deletion before
        // it (the redone cut); a paste is a step of its own.
        const Case cases[] = {
            {"a", Paste, "a", 1, ""},         {"xa", Paste, "xa", 2, "x"}, {"xa", Backspace, "", 0, "xa"},
            {"xa", TypeB, "xb", 2, "xa"},     {"a", TypeB, "b", 1, "a"},
        };
        for (const Case& c : cases) {
            init();
            auto* name = widget<QLineEdit>("PCname");
            name->setFocus();
            type_text(name, c.typed);
            QTest::keyClick(name, Qt::Key_Left, Qt::ShiftModifier);
            QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);  // the clipboard holds "a"
            QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            const QString redone = name->text();
            QCOMPARE(redone, QString(c.typed).chopped(1));
            switch (c.then) {
            case Paste: QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier); break;
            case Backspace: QTest::keyClick(name, Qt::Key_Backspace); break;
            case TypeB: type_text(name, QStringLiteral("b")); break;
            }
            const std::string what = std::string(c.typed) + " then " + std::to_string(c.then);
            QVERIFY2(name->text() == c.after && name->cursorPosition() == c.caret, what.c_str());
            QVERIFY2(widget_is_model("PCname"), what.c_str());
            QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(name->text() == c.undone && widget_is_model("PCname"), what.c_str());
            QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY2(name->text() == c.after && widget_is_model("PCname"), what.c_str());
            cleanup();
        }
    }

    // A key that types a character the box has no room for types nothing,
    // whatever the character: one that is no printable UTF-16 unit on its own
    // (outside the first plane, a joiner, private use, a soft hyphen) as well
    // as a letter, and Enter, whose line break counts two. The widget never
    // holds more than the box, and undo still takes back the paste that filled it.
    void a_key_that_the_box_has_no_room_for_types_nothing_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<int>("room");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        const std::pair<const char*, QString> characters[] = {
            {"a letter", QStringLiteral("x")},
            {"U+1F600", QString::fromUcs4(U"\U0001F600")},
            {"U+200D", QString(QChar(0x200D))},
            {"U+E000", QString(QChar(0xE000))},
            {"U+00AD", QString(QChar(0x00AD))}};
        for (const char* name : {"PCname", "alternativebackground"})
            for (const auto& [what, text] : characters)
                QTest::addRow("%s, %s", name, what) << QByteArray(name) << 0 << int(Qt::Key_unknown) << text;
        QTest::addRow("alternativebackground, Enter with room for 1")
            << QByteArray("alternativebackground") << 1 << int(Qt::Key_Return) << QStringLiteral("\r");
    }

    void a_key_that_the_box_has_no_room_for_types_nothing()
    {
        QFETCH(QByteArray, box);
        QFETCH(int, room);
        QFETCH(int, key);
        QFETCH(QString, text);
        QWidget* w = widget<QWidget>(box.constData());
        w->setFocus();
        const int limit = model(box.constData()).max_length;
        paste(w, QString(limit - room, QLatin1Char('f')));
        const QString full = shown_text(w);
        const auto most = watch_length(w);
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(shown_text(w), full);
        QVERIFY(widget_is_model(box.constData()));
        QVERIFY2(*most <= limit, qPrintable(QStringLiteral("the widget held %1 characters").arg(*most)));
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown_text(w), QString());
    }

    // An input method's commit takes the room of the selection and of the
    // range it names from the caret after the selection is gone, in a box that
    // holds as much as it may and ends in "abcdefghijklmnopqrstuv".
    void an_input_method_commit_takes_the_room_of_what_it_replaces_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<int>("from");  // the selection, in the last 22 characters
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("replacement_start");
        QTest::addColumn<int>("replacement_length");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("after");  // the last characters
        for (const char* name : {"PCname", "alternativebackground"}) {
            const QByteArray box(name);
            QTest::addRow("%s, no room", name) << box << 10 << 10 << 0 << 0 << "XYZ" << "abcdefghijklmnopqrstuv";
            QTest::addRow("%s, a selection", name) << box << 3 << 6 << 0 << 0 << "XYZW" << "abcXYZghijklmnopqrstuv";
            QTest::addRow("%s, a range before the caret", name)
                << box << 10 << 10 << -2 << 2 << "XYZ" << "abcdefghXYklmnopqrstuv";
            QTest::addRow("%s, a selection and the character before it", name)
                << box << 3 << 6 << -1 << 1 << "WXYZQ" << "abWXYZghijklmnopqrstuv";
        }
    }

    void an_input_method_commit_takes_the_room_of_what_it_replaces()
    {
        QFETCH(QByteArray, box);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, replacement_start);
        QFETCH(int, replacement_length);
        QFETCH(QString, committed);
        QFETCH(QString, after);
        QWidget* w = widget<QWidget>(box.constData());
        w->setFocus();
        const QString tail = QStringLiteral("abcdefghijklmnopqrstuv");
        const int filler = model(box.constData()).max_length - static_cast<int>(tail.size());
        paste(w, QString(filler, QLatin1Char('f')) + tail);
        select(w, filler + from, filler + to);
        commit(w, committed, replacement_start, replacement_length);
        QCOMPARE(shown_text(w), QString(filler, QLatin1Char('f')) + after);
        QVERIFY(widget_is_model(box.constData()));
    }

    // A read-only one-line box shows the start of a text longer than it: the
    // same pixels at its left as it shows of the text's first words alone.
    void a_read_only_line_shows_the_start_of_its_text()
    {
        auto* message = widget<QLineEdit>("message_window");
        QVERIFY(message->isReadOnly());
        // As far as "Wrote" reaches, with the frame and margin before it.
        const int left = QFontMetrics(message->font()).horizontalAdvance(QStringLiteral("Wrote")) + 3;
        const auto left_part = [&] { return message->grab().toImage().copy(0, 0, left, message->height()); };
        window_->form().message_window.text = "Wrote nothing";
        window_->mirror();
        const QImage start = left_part();
        for (const char* text : {"Wrote nothing: the folder /home/someone/sheets/of/a/long/path cannot be written",
                                 "Wrote nothing: the disk is full, and this message is longer than its box"}) {
            window_->form().message_window.text = text;
            window_->mirror();
            QVERIFY(QFontMetrics(message->font()).horizontalAdvance(message->text()) > message->width());
            QCOMPARE(message->cursorPosition(), 0);
            QVERIFY2(left_part() == start, text);
        }
    }

    // The description, focused, scrolls by the keys and stays read-only; its
    // scroll bar shows that there is more.
    void the_description_scrolls_by_the_keys_when_focused()
    {
        std::string long_text;
        for (int i = 1; i <= 60; ++i) long_text += "Line " + std::to_string(i) + " of a long description\r\n";
        window_->form().background_explanations.text = long_text;
        window_->mirror();
        auto* description = widget<QPlainTextEdit>("background_explanations");
        QScrollBar* bar = description->verticalScrollBar();
        QVERIFY(bar->isVisible() && bar->isEnabled() && bar->maximum() > bar->pageStep());
        description->setFocus();
        QCOMPARE(QApplication::focusWidget(), description);
        struct Case {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            enum { Start, Up, Down, End } moves;
        };
        int last = bar->value();
        QCOMPARE(last, 0);
        for (const Case& c : {Case{Qt::Key_Down, {}, Case::Down}, Case{Qt::Key_Down, {}, Case::Down},
                              Case{Qt::Key_Up, {}, Case::Up}, Case{Qt::Key_PageDown, {}, Case::Down},
                              Case{Qt::Key_PageUp, {}, Case::Up}, Case{Qt::Key_End, {}, Case::End},
                              Case{Qt::Key_Home, {}, Case::Start}, Case{Qt::Key_End, Qt::ControlModifier, Case::End},
                              Case{Qt::Key_PageUp, {}, Case::Up}, Case{Qt::Key_Home, Qt::ControlModifier, Case::Start}}) {
            const std::string what = QKeySequence(c.key | c.modifiers).toString().toStdString();
            QTest::keyClick(description, c.key, c.modifiers);
            switch (c.moves) {
            case Case::Start: QVERIFY2(bar->value() == bar->minimum(), what.c_str()); break;
            case Case::Up: QVERIFY2(bar->value() < last, what.c_str()); break;
            case Case::Down: QVERIFY2(bar->value() > last, what.c_str()); break;
            case Case::End: QVERIFY2(bar->value() == bar->maximum(), what.c_str()); break;
            }
            last = bar->value();
        }
        QTest::keyClick(description, Qt::Key_PageDown);
        QVERIFY(bar->value() - last >= bar->pageStep() / 2);  // a page, not a line
        type_text(description, QStringLiteral("x"));
        QTest::keyClick(description, Qt::Key_Return);
        QVERIFY(description->isReadOnly());
        QCOMPARE(window_->form().background_explanations.text, long_text);
        QCOMPARE(description->toPlainText(), widget_text(window_->form().background_explanations));
    }
};

QTEST_MAIN(TextBoxInputTest)
#include "text_box_input_test.moc"
