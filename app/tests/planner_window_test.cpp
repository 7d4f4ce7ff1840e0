// The planner's window drawn headless: widgets placed and dressed as the window
// description gives them, user input reaching the model's events, the wood
// picture and the coloured buttons on screen, and the ends of the program.
#include <QApplication>
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
#include "qt_platform.h"
#include "window/window_description.h"
#include "stand_ins.h"
#include "wood_picture.h"

using namespace tessmar;

namespace {

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool is_brown(QColor c) { return c.red() > c.green() && c.green() > c.blue() && c.red() < 160 && c.red() > 20; }

// Share of the pixels in rect that are near the colour.
double share_of(const QImage& image, const QRect& rect, QColor colour)
{
    int near = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                    std::abs(p.blue() - colour.blue()) < 40)
                ++near;
        }
    return double(near) / (rect.width() * rect.height());
}

}  // namespace

class PlannerWindowTest : public QObject {
    Q_OBJECT

private:
    StubSaveDialog save_dialog_;
    StubProgramEnd program_end_;
    std::unique_ptr<PlannerWindow> window_;
    std::vector<std::string> events_;  // "Control.Click" / "Control.DblClick", in the order run
    QTimer modal_watch_;
    QStringList modal_seen_;

    template <class W>
    W* widget(std::string_view name)
    {
        W* found = qobject_cast<W*>(window_->widget_of(name));
        if (found == nullptr) qWarning("no widget of that kind for %s", std::string(name).c_str());
        return found;
    }

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

    QPoint row_centre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

    // A user's double click as the platform delivers it: press, release, double click, release.
    void double_click(QListWidget* list, int row)
    {
        const QPoint at = row_centre(list, row);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void initTestCase()
    {
        use_planner_style();
        QApplication::setQuitOnLastWindowClosed(false);
        // A modal dialog would wait for a user who is not there: close it and fail the test.
        modal_watch_.setInterval(50);
        connect(&modal_watch_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal_seen_ << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
    }

    void init()
    {
        events_.clear();
        modal_seen_.clear();
        save_dialog_ = StubSaveDialog{};
        program_end_.ended = 0;
        window_ = std::make_unique<PlannerWindow>(save_dialog_, program_end_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        record_events();
        modal_watch_.start();
    }

    void cleanup()
    {
        modal_watch_.stop();
        window_.reset();
        QVERIFY2(modal_seen_.isEmpty(), qPrintable("a modal dialog opened: " + modal_seen_.join(", ")));
    }

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
            QVERIFY2(w->geometry() == place, name.c_str());
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
                    if (described.max_length > 0) QVERIFY2(edit->maxLength() == described.max_length, name.c_str());
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

    void a_list_click_runs_click_once()
    {
        QListWidget* races = widget<QListWidget>("Race_Selection");
        QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, row_centre(races, 3));
        QVERIFY(events_ == std::vector<std::string>{"Race_Selection.Click"});
        QCOMPARE(window_->form().Race_Selection.list_index(), 3);
        QCOMPARE(races->currentRow(), 3);
        // Clicking the highlighted entry again runs Click again.
        QTest::mouseClick(races->viewport(), Qt::LeftButton, {}, row_centre(races, 3));
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
