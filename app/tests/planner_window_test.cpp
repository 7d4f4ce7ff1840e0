// The planner's window drawn headless: widgets placed and dressed as the window
// description gives them, user input reaching the model's events, the wood
// picture and the coloured buttons on screen, and the ends of the program.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "planner_window.h"
#include "planner_style.h"
#include "qt_program_end.h"
#include "save_file_dialog.h"
#include "screen_units.h"
#include "sheet_file/save_request.h"
#include "window/window_description.h"
#include "stand_ins.h"
#include "window_test_support.h"
#include "wood_picture.h"

using namespace tessmar;

namespace {

bool is_brown(QColor c) { return c.red() > c.green() && c.green() > c.blue() && c.red() < 160 && c.red() > 20; }

// Share of the pixels in rect that are near the colour.
double share_of(const QImage& image, const QRect& rect, QColor colour)
{
    int near = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (colour_distance(image.pixelColor(x, y), colour) < 40) ++near;
    return double(near) / (rect.width() * rect.height());
}

}  // namespace

class PlannerWindowTest : public QObject, private WindowUnderTest {
    Q_OBJECT

private:
    std::vector<std::string> events_;  // "Control.Click" / "Control.DblClick", in the order run

    // Records every handler of the window as it runs, then runs it.
    void record_events()
    {
        const auto wrap = [this](Handler& handler, std::string tag) {
            if (handler) handler = [this, tag, inner = handler] {
                events_.push_back(tag);
                inner();
            };
        };
        for (Control* control : window_->form().controls().in_order()) {
            if (auto* button = dynamic_cast<Button*>(control)) wrap(button->on_click, control->name() + ".Click");
            if (auto* list = dynamic_cast<ListBox*>(control)) {
                wrap(list->on_click, control->name() + ".Click");
                wrap(list->on_double_click, control->name() + ".DblClick");
            }
        }
    }

    std::vector<std::string> events_of(const std::string& control) const
    {
        std::vector<std::string> own;
        for (const std::string& e : events_)
            if (e.rfind(control + ".", 0) == 0) own.push_back(e);
        return own;
    }

    // What is wrong with a label's caption as shown: squeezed, a face too small,
    // clipped, or run over another control; empty when nothing is.
    QString caption_problem(const ControlDescription& described)
    {
        const QWidget* w = window_->widget_of(described.name);
        const QLabel* label = qobject_cast<const QLabel*>(w);
        if (label == nullptr) return QStringLiteral("no label");
        const QFont font = label->font();
        QFont normal = screen_font(described.font);
        normal.setPixelSize(font.pixelSize());
        const QString caption = label->text();
        if (QFontMetrics(font).horizontalAdvance(caption) != QFontMetrics(normal).horizontalAdvance(caption))
            return QStringLiteral("letters set closer than normal");
        if (font.pixelSize() < screen_font(described.font).pixelSize() - 1) return QStringLiteral("face too small");
        // One pixel of edge on every side of the wrapped caption.
        const QRect wrapped = QFontMetrics(font).boundingRect(QRect(0, 0, w->width() - 2, 1 << 20), Qt::TextWordWrap, caption);
        if (wrapped.width() > w->width() - 2 || wrapped.height() > w->height() - 2)
            return QStringLiteral("needs %1x%2 in %3x%4").arg(wrapped.width() + 2).arg(wrapped.height() + 2).arg(w->width()).arg(w->height());
        const QRect place = pixel_rect(described.place);
        for (const QRect& beside : {QRect(w->x(), w->y(), place.x() - w->x(), w->height()),
                                    QRect(place.right() + 1, w->y(), w->geometry().right() - place.right(), w->height())}) {
            if (beside.isEmpty()) continue;
            if (!window_->rect().contains(beside)) return QStringLiteral("runs out of the window");
            for (const ControlDescription& other : form1_controls())
                if (other.name != described.name && pixel_rect(other.place).intersects(beside))
                    return QStringLiteral("runs over ") + qt(other.name);
        }
        return {};
    }

    // What the window shows of every control, one line each.
    static QStringList shown_state(PlannerWindow& window)
    {
        QStringList lines;
        for (Control* control : window.form().controls().in_order()) {
            QString line = qt(control->name()) + QLatin1Char('=');
            if (auto* box = dynamic_cast<TextBox*>(control)) line += qt(box->text);
            if (auto* label = dynamic_cast<Label*>(control)) line += qt(label->caption);
            if (auto* list = dynamic_cast<ListBox*>(control)) {
                for (const std::string& item : list->items()) line += qt(item) + QLatin1Char('|');
                line += QString::number(list->list_index());
            }
            lines << line + (control->visible ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        use_planner_style();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        events_.clear();
        open_window();
        record_events();
    }

    void cleanup() { close_window(); }

    void window_has_its_caption_and_fixed_client_area()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tessmar Character Planner          v 1.7"));
        QCOMPARE(window_->size(), QSize(790, 573));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
    }

    // Tooltips and the Save As dialog are in the window's face, regular at 8
    // points, and no other face is loaded for them.
    void application_font_is_the_windows_face()
    {
        const QFont font = QApplication::font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(font.pixelSize(), 11);
        QVERIFY(!font.bold());
    }

    // Every control of the description has one widget of its kind, at its place,
    // in its font, with its tooltip, flags and visibility.
    void every_widget_follows_the_description()
    {
        for (const ControlDescription& described : form1_controls()) {
            const std::string name(described.name);
            QWidget* w = window_->widget_of(described.name);
            if (described.kind == ControlKind::FileDialog) {
                QVERIFY2(w == nullptr, name.c_str());
                continue;
            }
            QVERIFY2(w != nullptr, name.c_str());
            const QRect place(described.place.left / 15, described.place.top / 15, described.place.width / 15, described.place.height / 15);
            if (described.kind == ControlKind::ListBox) {  // cut to whole rows: see lists_show_whole_rows_only
                QVERIFY2(w->geometry().topLeft() == place.topLeft() && w->width() == place.width(), name.c_str());
                QVERIFY2(w->height() <= place.height(), name.c_str());
            } else if (described.kind == ControlKind::Label) {
                // A caption wider than its place runs on into free picture
                // beside it (captions_fit_at_normal_spacing checks where).
                QVERIFY2(w->geometry().contains(place) && w->y() == place.y() && w->height() == place.height(),
                         name.c_str());
            } else {
                QVERIFY2(w->geometry() == place, name.c_str());
            }
            QVERIFY2(w->font().family() == QStringLiteral("Liberation Sans"), name.c_str());
            QVERIFY2(QFontInfo(w->font()).family() == QStringLiteral("Liberation Sans"), name.c_str());
            QVERIFY2(w->font().pixelSize() == (described.font.points > 9 ? 13 : 11), name.c_str());
            QVERIFY2(w->font().bold() == described.font.bold, name.c_str());
            QVERIFY2(w->toolTip() == qt(described.tooltip), name.c_str());
            switch (described.kind) {
            case ControlKind::TextBox:
                if (described.multi_line) {
                    auto* edit = qobject_cast<QPlainTextEdit*>(w);
                    QVERIFY2(edit != nullptr, name.c_str());
                    QVERIFY2(edit->isReadOnly() == described.read_only, name.c_str());
                    QVERIFY2(edit->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, name.c_str());
                } else {
                    auto* edit = qobject_cast<QLineEdit*>(w);
                    QVERIFY2(edit != nullptr, name.c_str());
                    QVERIFY2(edit->isReadOnly() == described.read_only, name.c_str());
                    // The model limits the length in code points; the widget's own limit counts UTF-16 units.
                    QVERIFY2(edit->maxLength() == QLineEdit().maxLength(), name.c_str());
                }
                break;
            case ControlKind::Label: QVERIFY2(qobject_cast<QLabel*>(w) != nullptr, name.c_str()); break;
            case ControlKind::Button: QVERIFY2(qobject_cast<QPushButton*>(w) != nullptr, name.c_str()); break;
            case ControlKind::ListBox: QVERIFY2(qobject_cast<QListWidget*>(w) != nullptr, name.c_str()); break;
            case ControlKind::FileDialog: break;
            }
            const bool shown_at_start = described.visible && described.name != "Tech_list" && described.name != "Schematic_list";
            QVERIFY2(w->isVisible() == shown_at_start, name.c_str());
        }
    }

    void captions_are_shown_as_stored_and_not_clipped()
    {
        QStringList clipped;
        for (const ControlDescription& described : form1_controls()) {
            if (described.kind != ControlKind::Label && described.kind != ControlKind::Button) continue;
            const std::string name(described.name);
            QWidget* w = window_->widget_of(described.name);
            QVERIFY2(w != nullptr, name.c_str());
            const QFontMetrics metrics(w->font());
            QSize needed;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                QVERIFY2(label->text() == qt(described.text), name.c_str());
                needed = metrics.boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap, label->text()).size();
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                QVERIFY2(button->text() == qt(described.text), name.c_str());
                needed = QSize(metrics.horizontalAdvance(button->text()) + 2, metrics.ascent() + 2);  // inside the edge
            }
            if (needed.width() > w->width() || needed.height() > w->height())
                clipped << QStringLiteral("%1 needs %2x%3 in %4x%5")
                               .arg(qt(described.name)).arg(needed.width()).arg(needed.height()).arg(w->width()).arg(w->height());
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
        QCOMPARE(widget<QLabel>("Label41")->text(), QStringLiteral("\"Purchased\" Spells and Schematics"));
    }

    // Every label's caption fits with its edge at the face's normal spacing, in
    // its place or in its place widened over picture where no other control
    // stands, for the captions at start and those the rules write.
    void captions_fit_at_normal_spacing()
    {
        QStringList problems;
        const auto check_all = [&](const QString& when) {
            for (const ControlDescription& described : form1_controls()) {
                if (described.kind != ControlKind::Label) continue;
                if (QString problem = caption_problem(described); !problem.isEmpty())
                    problems << QStringLiteral("%1 (%2): %3").arg(qt(described.name), when, problem);
            }
        };
        check_all(QStringLiteral("start"));
        Form1& form = window_->form();
        for (int race = 0; race < form.Race_Selection.count(); ++race) {
            form.Race_Selection.user_double_click(race);
            window_->mirror();
            check_all(qt(form.Current_race.caption));
        }
        for (int background = 0; background < form.Background_Selection.count(); ++background) {
            form.Background_Selection.user_double_click(background);
            window_->mirror();
            check_all(qt(form.Current_background.caption));
        }
        QTest::mouseClick(widget<QPushButton>("Tech_select"), Qt::LeftButton);
        check_all(qt(form.Spelltechindicator.caption));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // Names in other scripts and with emoji show their letters, not empty boxes.
    void typed_names_in_other_scripts_have_their_letters()
    {
        QLineEdit* name = widget<QLineEdit>("PCname");
        const QFontMetrics metrics(name->font());
        for (const QString& typed : {QStringLiteral("\u00E6rwyn \u00FE\u00F3rsd\u00F3ttir"), QStringLiteral("\u0391\u03B8\u03B7\u03BD\u03AC"),
                                     QStringLiteral("\u0412\u0430\u0441\u0438\u043B\u0438\u0441\u0430"),
                                     QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0531\u0580\u0561"),
                                     QString::fromUcs4(U"\U0001F409\U0001F5E1\U0001F3F9")})
            for (const char32_t letter : typed.toUcs4())
                QVERIFY2(metrics.inFontUcs4(letter), qPrintable(QStringLiteral("U+%1 in %2").arg(letter, 4, 16, QLatin1Char('0')).arg(typed)));
    }

    void start_state_is_shown()
    {
        QCOMPARE(widget<QListWidget>("Race_Selection")->count(), 12);
        QCOMPARE(widget<QListWidget>("Race_Selection")->item(6)->text(), QStringLiteral("Halfling/male"));
        QCOMPARE(widget<QListWidget>("Race_Selection")->currentRow(), 11);
        QCOMPARE(widget<QListWidget>("Background_Selection")->count(), 38);
        QCOMPARE(widget<QListWidget>("Background_Selection")->item(21)->text(), QStringLiteral("Lady 's Man"));
        QCOMPARE(widget<QListWidget>("Magick_list")->item(1)->text(), QStringLiteral("Divination "));
        QCOMPARE(widget<QLineEdit>("Strength")->text(), QStringLiteral("8"));
        QCOMPARE(widget<QLineEdit>("CPs_remaining")->text(), QStringLiteral("5"));
        QCOMPARE(widget<QLineEdit>("hitpoints")->text(), QStringLiteral("30"));
        QCOMPARE(widget<QLabel>("Current_race")->text(), QStringLiteral("Human/male"));
        QCOMPARE(widget<QPlainTextEdit>("background_explanations")->toPlainText(),
                 QStringLiteral("No significant background"));
        QCOMPARE(widget<QListWidget>("Spell_list")->count(), 5);
        QCOMPARE(widget<QListWidget>("Spell_list")->currentRow(), -1);
        QVERIFY(!widget<QLineEdit>("dummy")->isVisible());
    }

    // Whatever a rule changes in the model shows on the next mirror, for every kind.
    void model_changes_show_on_the_widgets()
    {
        Form1& form = window_->form();
        form.message_window.text = "No CPs left";
        form.aptitude.back_color = magickcolor;
        form.Adjstrength.fore_color = greencolor;
        form.Current_race.caption = "Elf/female";
        form.Spelltechindicator.fore_color = techcolor;
        form.Magick_select.caption = "A & B";
        form.background_explanations.text = "one\r\ntwo";
        form.purchased.add_item("Shield");
        form.Magick_list.visible = false;
        form.Tech_list.visible = true;
        form.Race_Selection.set_list_index(-1);
        window_->mirror();
        QCOMPARE(widget<QLineEdit>("message_window")->text(), QStringLiteral("No CPs left"));
        QCOMPARE(widget<QLineEdit>("aptitude")->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0xFF));
        QCOMPARE(widget<QLineEdit>("Adjstrength")->palette().color(QPalette::Text), QColor(0x00, 0xFA, 0x00));
        QCOMPARE(widget<QLabel>("Current_race")->text(), QStringLiteral("Elf/female"));
        QCOMPARE(widget<QLabel>("Spelltechindicator")->palette().color(QPalette::WindowText), QColor(0xC0, 0x40, 0x00));
        QCOMPARE(widget<QPushButton>("Magick_select")->text(), QStringLiteral("A && B"));
        QCOMPARE(widget<QPlainTextEdit>("background_explanations")->toPlainText(), QStringLiteral("one\ntwo"));
        QCOMPARE(widget<QListWidget>("purchased")->count(), 1);
        QCOMPARE(widget<QListWidget>("purchased")->item(0)->text(), QStringLiteral("Shield"));
        QVERIFY(!widget<QListWidget>("Magick_list")->isVisible());
        QVERIFY(widget<QListWidget>("Tech_list")->isVisible());
        QCOMPARE(widget<QListWidget>("Race_Selection")->currentRow(), -1);
        QVERIFY(widget<QListWidget>("Race_Selection")->selectedItems().isEmpty());
        QVERIFY(events_of("Race_Selection") == std::vector<std::string>{"Race_Selection.Click"});  // from the code's selection
    }

    void typing_a_name_keeps_22_characters_and_runs_nothing()
    {
        QLineEdit* name = widget<QLineEdit>("PCname");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxyz0123"));
        QCOMPARE(window_->form().PCname.text, std::string("abcdefghijklmnopqrstuv"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghijklmnopqrstuv"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(window_->form().PCname.text, std::string("abcdefghijklmnopqrstuv"));
        QVERIFY(events_.empty());
    }

    void typing_an_alternative_background_holds_crlf_within_3000()
    {
        QPlainTextEdit* text = widget<QPlainTextEdit>("alternativebackground");
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("ab"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("cd"));
        QCOMPARE(window_->form().alternativebackground.text, std::string("ab\r\ncd"));
        // A paste beyond the limit: the model keeps 3000 characters and the widget shows them.
        text->insertPlainText(QString(3100, QLatin1Char('x')));
        const std::string& kept = window_->form().alternativebackground.text;
        QCOMPARE(kept.size(), std::size_t(3000));
        QCOMPARE(kept.substr(0, 6), std::string("ab\r\ncd"));
        QCOMPARE(text->toPlainText().size(), qsizetype(2999));  // the line break is one character on screen
        QTest::keyClicks(text, QStringLiteral("y"));
        QCOMPARE(window_->form().alternativebackground.text.size(), std::size_t(3000));
        QVERIFY(events_.empty());
    }

    // A keystroke or a paste into a full box leaves its text as it was, wherever
    // the caret stands, and the caret stays where it was.
    void a_full_box_takes_no_more_typing_or_pasting()
    {
        QString line;
        for (int i = 0; i < 10; ++i) line += QStringLiteral("0123456789");
        // 29 lines of 100 and 28 line breaks counting two: 2956, and 44 more make 3000.
        QStringList lines(29, line);
        const QString full_background = lines.join(QLatin1Char('\n')) + line.left(44);
        struct Case {
            std::string_view box;
            QString full;
        };
        for (const Case& c : {Case{"PCname", QStringLiteral("\u00e6rwyn \u00fe\u00f3rsd\u00f3ttir \U0001F409xyzw")},
                              Case{"alternativebackground", full_background}}) {
            QWidget* w = window_->widget_of(c.box);
            w->setFocus();
            paste(w, c.full);
            const std::string kept = window_->form().controls().get<TextBox>(c.box).text;
            QCOMPARE(shown_text(w), c.full);
            for (const int at : {0, static_cast<int>(c.full.size() / 2), static_cast<int>(c.full.size())}) {
                const std::string where = std::string(c.box) + " at " + std::to_string(at);
                set_caret(w, at);
                QTest::keyClicks(w, QStringLiteral("QQ"));
                QVERIFY2(window_->form().controls().get<TextBox>(c.box).text == kept, where.c_str());
                paste(w, QStringLiteral("pasted"));
                QVERIFY2(window_->form().controls().get<TextBox>(c.box).text == kept, where.c_str());
                QTest::keyClick(w, Qt::Key_Return);
                QVERIFY2(window_->form().controls().get<TextBox>(c.box).text == kept, where.c_str());
                QVERIFY2(shown_text(w) == c.full, where.c_str());
                QVERIFY2(caret_of(w) == at, where.c_str());
            }
        }
        QVERIFY(events_.empty());
    }

    // Room for two: a paste takes its first two characters at the caret.
    void a_paste_takes_what_fits_at_the_caret()
    {
        QLineEdit* name = widget<QLineEdit>("PCname");
        name->setFocus();
        type_text(name, QStringLiteral("abcdefghij0123456789"));
        name->setCursorPosition(10);
        paste(name, QStringLiteral("\U0001F409\U0001F409\U0001F409"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghij\U0001F409\U0001F4090123456789"));
        QCOMPARE(name->cursorPosition(), 14);  // after the two dragons, two UTF-16 units each
        QCOMPARE(window_->form().PCname.text, std::string("abcdefghij\xF0\x9F\x90\x89\xF0\x9F\x90\x89" "0123456789"));
        // Room for one, in a run of the same letter: the paste stands at the caret,
        // not where the widget's old and new texts first differ.
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        type_text(name, QStringLiteral("abcdefghij") + QString(11, QLatin1Char('a')));
        name->setCursorPosition(11);
        paste(name, QStringLiteral("ab"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghij") + QString(12, QLatin1Char('a')));
        QCOMPARE(name->cursorPosition(), 12);
    }

    // The limit counts code points: an emoji and other astral characters are one each.
    void the_name_keeps_22_code_points_with_astral_characters()
    {
        QLineEdit* name = widget<QLineEdit>("PCname");
        name->setFocus();
        const QString typed = QStringLiteral("\u00e6rwyn \u00fe\u00f3rsd\u00f3ttir \U0001F409xyzw");
        QCOMPARE(typed.toUcs4().size(), qsizetype(22));
        type_text(name, typed + QStringLiteral("\U0001D11E!"));
        QCOMPARE(name->text(), typed);
        QCOMPARE(QString::fromStdString(window_->form().PCname.text), typed);
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Delete);
        QCOMPARE(window_->form().PCname.text, std::string());
        type_text(name, QString(11, QChar(0x20AC)) + QStringLiteral("\U00010348\U00010348\U00010348\U00010348"
                                                                    "\U00010348\U00010348\U00010348\U00010348"
                                                                    "\U00010348\U00010348\U00010348\U00010348"));
        QCOMPARE(name->text().toUcs4().size(), qsizetype(22));
        QCOMPARE(name->text().size(), qsizetype(33));
    }

    // A keyboard's text decoded by the model as Qt decodes it: each byte outside
    // valid UTF-8 as one U+FFFD.
    void the_model_reads_bad_bytes_as_qt_does()
    {
        for (const char* bytes : {"\xF0" "abc", "\xE2\x82x", "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80",
                                  "\xF0\x9F\x90", "\x80\xBF", "\xF8\x88\x80\x80\x80", "\xF0\x9F\x90\x89",
                                  "\xEF\xBF\xBD", "ok\xC3"}) {
            TextBox box("box");
            box.type(bytes);
            QCOMPARE(QString::fromStdString(box.text), QString::fromUtf8(bytes));
        }
    }

    // Keys typed right after the window opens go to the name.
    void the_focus_starts_in_the_name()
    {
        make_active();
        QCOMPARE(QApplication::focusWidget(), window_->widget_of("PCname"));
        QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("hello"));  // to the focus
        QCOMPARE(window_->form().PCname.text, std::string("hello"));
        QCOMPARE(widget<QListWidget>("Race_Selection")->currentRow(), 11);
        QCOMPARE(window_->form().Race_Selection.list_index(), 11);
        QVERIFY(events_.empty());
    }

    // Tab visits the controls in the window's order, each group by place, and
    // passes over the read-only boxes but the description box; a click still
    // focuses them for copying.
    void tab_follows_the_window_and_skips_read_only_boxes()
    {
        make_active();
        QStringList visited;
        for (int i = 0; i < 200; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == window_->widget_of("PCname")) break;
        }
        QStringList expected;
        for (std::string_view name : form1_tab_order())
            if (window_->widget_of(name)->isVisible()) expected << qt(name);
        QCOMPARE(visited, expected);
        for (const ControlDescription& c : form1_controls())
            if (c.kind == ControlKind::TextBox && c.read_only)
                QVERIFY2(visited.contains(qt(c.name)) == (c.name == "background_explanations"), std::string(c.name).c_str());
        // The stat lines in window order: hit points and fatigue, the left column, the right column.
        const QStringList stat_lines{
            "Hitpoints_minus", "Hitpoints_plus", "Fatigue_minus", "Fatigue_plus", "ST_plus", "ST_minus", "CN_plus",
            "CN_minus", "DX_plus", "DX_minus", "BE_plus", "BE_minus", "IN_plus", "IN_minus", "WP_plus", "WP_minus",
            "PE_plus", "PE_minus", "CH_plus", "CH_minus"};
        const qsizetype first = visited.indexOf(QStringLiteral("Hitpoints_minus"));
        QCOMPARE(visited.mid(first, stat_lines.size()), stat_lines);
        // The description box right after the lists, then Level-up beside the level box.
        QCOMPARE(visited.mid(0, 6), (QStringList{"PCname", "Race_Selection", "Background_Selection",
                                                 "background_explanations", "levelup", "Hitpoints_minus"}));
        QVERIFY(!visited.contains(QStringLiteral("message_window")));
        QCOMPARE(visited.last(), QStringLiteral("Quit"));
        // Shift+Tab goes back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Quit"));
        // A click on a read-only box focuses it; its text can be selected and copied.
        QLineEdit* strength = widget<QLineEdit>("Strength");
        QTest::mouseClick(strength, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), strength);
        QTest::keyClick(strength, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(strength->selectedText(), QStringLiteral("8"));
        QTest::mouseClick(widget<QPlainTextEdit>("background_explanations")->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), window_->widget_of("background_explanations"));
        QVERIFY(events_.empty());
    }

    // Return or Enter on a highlighted entry does what a double click on it does, once.
    void return_on_a_highlighted_entry_does_what_a_double_click_does()
    {
        struct Case {
            std::string_view switch_button;  // shows the list first, or empty
            std::string_view list;
            int row;
            Qt::Key key;
        };
        for (const Case& c : {Case{"", "Race_Selection", 0, Qt::Key_Return}, Case{"", "Background_Selection", 3, Qt::Key_Enter},
                              Case{"", "Spell_list", 1, Qt::Key_Return}, Case{"Tech_select", "Schematic_list", 0, Qt::Key_Enter}}) {
            const std::string what(c.list);
            init();
            make_active();
            if (!c.switch_button.empty()) QTest::mouseClick(window_->widget_of(c.switch_button), Qt::LeftButton);
            auto* list = widget<QListWidget>(c.list);
            click_row(list, c.row);
            events_.clear();
            QTest::keyClick(list, c.key);
            QVERIFY2(events_of(what) == (std::vector<std::string>{what + ".Click", what + ".DblClick"}), what.c_str());
            const QStringList after_key = shown_state(*window_);

            PlannerWindow by_mouse(save_dialog_, program_end_);
            by_mouse.show();
            QVERIFY(QTest::qWaitForWindowExposed(&by_mouse));
            if (!c.switch_button.empty()) QTest::mouseClick(by_mouse.widget_of(c.switch_button), Qt::LeftButton);
            auto* other = qobject_cast<QListWidget*>(by_mouse.widget_of(c.list));
            click_row(other, c.row);
            double_click(other, c.row);
            QVERIFY2(after_key == shown_state(by_mouse), what.c_str());
            cleanup();
        }
        init();
        make_active();
        auto* races = widget<QListWidget>("Race_Selection");
        click_row(races, 0);
        QTest::keyClick(races, Qt::Key_Return);
        QCOMPARE(widget<QLabel>("Current_race")->text(), QStringLiteral("Dwarf"));
        auto* spells = widget<QListWidget>("Spell_list");
        click_row(spells, 0);
        QTest::keyClick(spells, Qt::Key_Return);
        QCOMPARE(window_->form().purchased.count(), 1);
    }

    // Return or Enter on a focused button clicks it once, as Space does.
    void return_on_a_focused_button_clicks_it()
    {
        make_active();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            events_.clear();
            QPushButton* plus = widget<QPushButton>("ST_plus");
            plus->setFocus();
            QTest::keyClick(plus, key);
            QVERIFY(events_ == std::vector<std::string>{"ST_plus.Click"});
        }
        QCOMPARE(window_->form().Strength.text, std::string("11"));
    }

    // A list shows whole entries only: its height is cut down to its last whole
    // row, at its place and width, also when it is scrolled to its end.
    void lists_show_whole_rows_only()
    {
        double_click(widget<QListWidget>("Spell_list"), 0);  // something in purchased
        QTest::mouseClick(widget<QPushButton>("Tech_select"), Qt::LeftButton);
        for (const ControlDescription& c : form1_controls()) {
            if (c.kind != ControlKind::ListBox) continue;
            const std::string name(c.name);
            auto* list = widget<QListWidget>(c.name);
            QVERIFY2(list->count() > 0, name.c_str());
            const int row = list->sizeHintForRow(0);
            const int inside = list->viewport()->height();
            QVERIFY2(inside % row == 0, name.c_str());
            QVERIFY2(c.place.height / 15 - list->height() < row, name.c_str());
            for (const bool at_end : {false, true}) {
                if (at_end) list->scrollToBottom();
                for (int i = 0; i < list->count(); ++i) {
                    const QRect r = list->visualItemRect(list->item(i));
                    QVERIFY2(r.top() >= inside || r.bottom() < 0 || (r.top() >= 0 && r.bottom() < inside), name.c_str());
                }
            }
        }
    }

    void a_list_click_runs_click_once()
    {
        QListWidget* races = widget<QListWidget>("Race_Selection");
        click_row(races, 3);
        QVERIFY(events_ == std::vector<std::string>{"Race_Selection.Click"});
        QCOMPARE(window_->form().Race_Selection.list_index(), 3);
        QCOMPARE(races->currentRow(), 3);
        // Clicking the highlighted entry again runs Click again.
        click_row(races, 3);
        QCOMPARE(events_.size(), std::size_t(2));
        // A click below the last entry is on no entry: nothing runs, the highlight stays.
        QListWidget* purchased = widget<QListWidget>("purchased");
        QTest::mouseClick(purchased->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(events_.size(), std::size_t(2));
    }

    void a_list_double_click_runs_click_then_dblclick()
    {
        QListWidget* races = widget<QListWidget>("Race_Selection");
        double_click(races, 0);
        QVERIFY(events_of("Race_Selection") ==
                (std::vector<std::string>{"Race_Selection.Click", "Race_Selection.DblClick"}));
        QCOMPARE(window_->form().Race_Selection.list_index(), 0);
        // A double click that arrives with no press on its entry still begins with a click.
        events_.clear();
        QTest::mouseDClick(races->viewport(), Qt::LeftButton, {}, row_centre(races, 2));
        QVERIFY(events_of("Race_Selection") ==
                (std::vector<std::string>{"Race_Selection.Click", "Race_Selection.DblClick"}));
        QCOMPARE(window_->form().Race_Selection.list_index(), 2);
    }

    void a_keyboard_move_of_the_highlight_runs_click()
    {
        QListWidget* backgrounds = widget<QListWidget>("Background_Selection");
        backgrounds->setFocus();
        QTest::keyClick(backgrounds, Qt::Key_Down);
        QVERIFY(events_ == std::vector<std::string>{"Background_Selection.Click"});
        QCOMPARE(window_->form().Background_Selection.list_index(), 1);
        QTest::keyClick(backgrounds, Qt::Key_Up);
        QCOMPARE(events_.size(), std::size_t(2));
        QTest::keyClick(backgrounds, Qt::Key_Up);  // already at the top: no move, no click
        QCOMPARE(events_.size(), std::size_t(2));
        QCOMPARE(window_->form().Background_Selection.list_index(), 0);
    }

    void a_button_click_runs_its_click()
    {
        QTest::mouseClick(widget<QPushButton>("ST_plus"), Qt::LeftButton);
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);
        QVERIFY(events_ == (std::vector<std::string>{"ST_plus.Click", "SAVE.Click"}));
        QTest::mouseClick(widget<QPushButton>("Quit"), Qt::LeftButton);
        QCOMPARE(program_end_.ended, 1);
    }

    // The rules' results reach the widgets through the model alone.
    void buying_strength_shows_9_in_both_boxes()
    {
        QTest::mouseClick(widget<QPushButton>("ST_plus"), Qt::LeftButton);
        QCOMPARE(widget<QLineEdit>("Strength")->text(), QStringLiteral("9"));
        QCOMPARE(widget<QLineEdit>("Adjstrength")->text(), QStringLiteral("9"));
        QCOMPARE(widget<QLineEdit>("CPs_remaining")->text(), QStringLiteral("4"));
        QCOMPARE(widget<QLineEdit>("Carryweight")->text(), qt(window_->form().Carryweight.text));
    }

    void double_clicking_a_race_applies_it()
    {
        double_click(widget<QListWidget>("Race_Selection"), 0);
        QCOMPARE(widget<QLabel>("Current_race")->text(), QStringLiteral("Dwarf"));
        QCOMPARE(widget<QLabel>("Current_background")->text(), QStringLiteral("None"));
        QCOMPARE(widget<QListWidget>("Background_Selection")->currentRow(), 0);
        QCOMPARE(widget<QLineEdit>("Adjstrength")->palette().color(QPalette::Text),
                 screen_color(window_->form().Adjstrength.fore_color));
        QCOMPARE(widget<QLineEdit>("Adjstrength")->palette().color(QPalette::Base),
                 screen_color(window_->form().Adjstrength.back_color));
    }

    void the_switch_buttons_swap_the_list_pairs()
    {
        QTest::mouseClick(widget<QPushButton>("Tech_select"), Qt::LeftButton);
        QVERIFY(!widget<QListWidget>("Magick_list")->isVisible());
        QVERIFY(!widget<QListWidget>("Spell_list")->isVisible());
        QVERIFY(widget<QListWidget>("Tech_list")->isVisible());
        QVERIFY(widget<QListWidget>("Schematic_list")->isVisible());
        QCOMPARE(widget<QListWidget>("Schematic_list")->count(), 7);
        QCOMPARE(widget<QLabel>("Spelltechindicator")->text(), qt(window_->form().Spelltechindicator.caption));
        QTest::mouseClick(widget<QPushButton>("Magick_select"), Qt::LeftButton);
        QVERIFY(widget<QListWidget>("Magick_list")->isVisible());
        QVERIFY(!widget<QListWidget>("Tech_list")->isVisible());
    }

    void buying_a_spell_shows_it_as_purchased()
    {
        double_click(widget<QListWidget>("Spell_list"), 0);
        QCOMPARE(widget<QListWidget>("purchased")->count(), window_->form().purchased.count());
        QCOMPARE(widget<QListWidget>("purchased")->count(), 1);
        QCOMPARE(widget<QListWidget>("purchased")->item(0)->text(), widget<QListWidget>("Spell_list")->item(0)->text());
        QCOMPARE(widget<QLineEdit>("CPs_remaining")->text(), QStringLiteral("4"));
    }

    void save_asks_the_dialog_and_writes_the_chosen_file()
    {
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);  // cancelled
        QCOMPARE(save_dialog_.shown, 1);
        QTemporaryDir folder;
        save_dialog_.answer = folder.filePath(QStringLiteral("sheet.txt")).toStdString();
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);
        QCOMPARE(save_dialog_.shown, 2);
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("sheet.txt"))).size() > 0);
        QCOMPARE(widget<QLineEdit>("message_window")->text(), QString());
    }

    // The dialog is asked for a text file, "txt" added to a bare name, starting
    // in the documents folder and, after a save, in that save's folder.
    void save_asks_for_a_text_file_where_the_last_one_went()
    {
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);  // cancelled
        QCOMPARE(save_dialog_.asked.title, std::string("Save character sheet"));
        QVERIFY(save_dialog_.asked.filters == (std::vector<std::string>{"Text files (*.txt)", "All files (*)"}));
        QCOMPARE(save_dialog_.asked.default_suffix, std::string("txt"));
        QCOMPARE(save_dialog_.asked.folder, std::string());
        QTemporaryDir folder;
        save_dialog_.answer = folder.filePath(QStringLiteral("hero.txt")).toStdString();
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);
        save_dialog_.answer.clear();
        QTest::mouseClick(widget<QPushButton>("SAVE"), Qt::LeftButton);
        QCOMPARE(QDir(QString::fromStdString(save_dialog_.asked.folder)), QDir(folder.path()));
        QCOMPARE(save_dialog_.shown, 3);
    }

    // Qt's dialog set up from such a request: its title, filters, Qt's own
    // suffix rule off, the overwrite question left on, and the folder it opens in.
    void the_qt_dialog_takes_the_request()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        // HOME and XDG_CONFIG_HOME point into the temporary home until the test ends.
        struct Restore {
            QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
            ~Restore()
            {
                qputenv("HOME", home);
                if (config.isNull()) qunsetenv("XDG_CONFIG_HOME");
                else qputenv("XDG_CONFIG_HOME", config);
            }
        } restore;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        const QString documents = home.filePath(QStringLiteral("Documents"));
        const QString sheets = home.filePath(QStringLiteral("sheets"));
        QVERIFY(QDir().mkpath(sheets));
        struct Case {
            std::string folder;
            bool documents_exist;
            QString opens_in;
        };
        for (const Case& c : {Case{"", false, home.path()}, Case{"", true, documents},
                              Case{sheets.toStdString(), true, sheets},
                              Case{home.filePath(QStringLiteral("gone")).toStdString(), true, documents},
                              Case{home.filePath(QStringLiteral("gone")).toStdString(), false, home.path()}}) {
            QVERIFY(c.documents_exist ? QDir().mkpath(documents) : QDir(documents).removeRecursively());
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            prepare_save_dialog(dialog, character_sheet_request(c.folder));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Save character sheet"));
            QCOMPARE(dialog.nameFilters(), (QStringList{QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")}));
            QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Text files (*.txt)"));
            QVERIFY(dialog.defaultSuffix().isEmpty());  // the planner adds the suffix itself
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(dialog.directory(), QDir(c.opens_in));
        }
    }

    void closing_the_window_ends_the_program()
    {
        window_->close();
        QCOMPARE(program_end_.ended, 1);
        QVERIFY(events_.empty());
    }

    void quit_leaves_the_event_loop()
    {
        QtProgramEnd program_end;
        PlannerWindow window(save_dialog_, program_end);
        window.show();
        QTimer hang_guard;  // only if Quit failed to end the loop
        hang_guard.setSingleShot(true);
        connect(&hang_guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        hang_guard.start(60000);
        QTimer::singleShot(0, &window, [&] { QTest::mouseClick(window.widget_of("Quit"), Qt::LeftButton); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void the_picture_is_dark_wood()
    {
        const QImage picture = make_wood_picture(800, 600);
        QCOMPARE(picture.size(), QSize(800, 600));
        QCOMPARE(picture.depth(), 24);
        QVERIFY(picture == make_wood_picture(800, 600));
        long red = 0, green = 0, blue = 0;
        int darkest = 255, lightest = 0;
        for (int y = 0; y < 600; y += 3)
            for (int x = 0; x < 800; x += 3) {
                const QColor c = picture.pixelColor(x, y);
                red += c.red();
                green += c.green();
                blue += c.blue();
                darkest = std::min(darkest, c.red());
                lightest = std::max(lightest, c.red());
            }
        QVERIFY(red > green && green > blue);
        QVERIFY(red / (267 * 200) < 120);  // dark, so that the light captions read well
        QVERIFY(lightest - darkest > 40);  // a grain, not a flat colour
    }

    // The window shows the picture made when the program was built: the same
    // pixels as making it now, at the size of the window description.
    void the_built_picture_is_the_wood()
    {
        const WindowDescription& window = form1_window();
        const QImage built = built_wood_picture();
        QCOMPARE(built.size(), QSize(window.picture_width, window.picture_height));
        QVERIFY(built.convertToFormat(QImage::Format_RGB888) ==
                make_wood_picture(window.picture_width, window.picture_height));
    }

    // With TESSMAR_WINDOW_SHOT set, the grab is also written to that file (a
    // PNG) for a look at the window.
    void the_window_shows_the_wood_and_the_button_colours()
    {
        const QImage shot = window_->grab().toImage();
        QCOMPARE(shot.size(), QSize(790, 573));
        for (const QPoint corner : {QPoint(0, 0), QPoint(789, 0), QPoint(0, 572), QPoint(789, 572)})
            QVERIFY2(is_brown(shot.pixelColor(corner)), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        struct Case {
            std::string_view button;
            QColor colour;
        };
        for (const Case& c : {Case{"ST_plus", QColor(0, 255, 0)}, Case{"ST_minus", QColor(255, 0, 0)},
                              Case{"ADTraps_plus", QColor(0, 255, 0)}, Case{"Fatigue_minus", QColor(255, 0, 0)},
                              Case{"Quit", QColor(255, 0, 0)}, Case{"Clear", QColor(255, 255, 0)}}) {
            const QRect at = window_->widget_of(c.button)->geometry();
            QVERIFY2(share_of(shot, at, c.colour) > 0.5, std::string(c.button).c_str());
        }
        if (const QString file = qEnvironmentVariable("TESSMAR_WINDOW_SHOT"); !file.isEmpty())
            QVERIFY2(shot.save(file, "PNG"), qPrintable(file));
    }
};

QTEST_MAIN(PlannerWindowTest)
#include "planner_window_test.moc"
