// The widgets of the window's controls: line and plain-text edits for text
// boxes, transparent labels, coloured push buttons and list widgets.
#include "control_views.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStaticText>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "window/window_description.h"

namespace tessmar {

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect pixel_rect(const Place& place)
{
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

QFont screen_font(const Font& font)
{
    // Liberation Sans first; what it has no letter for comes from the faces
    // after it: emoji in colour, then the scripts beyond Latin, Greek and
    // Cyrillic (DejaVu also draws emoji, but in black).
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(font.points * 96 / 72)));
    f.setBold(font.bold);
    return f;
}

namespace {

// The palette role that stands for a system colour number.
QPalette::ColorRole system_role(unsigned number)
{
    switch (number) {
    case 0x00: return QPalette::Button;           // scroll bars
    case 0x01: return QPalette::Dark;             // desktop
    case 0x02: return QPalette::Highlight;        // active caption
    case 0x04: return QPalette::Window;           // menu
    case 0x05: return QPalette::Base;             // window background
    case 0x06: return QPalette::Shadow;           // window frame
    case 0x07: return QPalette::WindowText;       // menu text
    case 0x08: return QPalette::Text;             // window text
    case 0x09: return QPalette::HighlightedText;  // caption text
    case 0x0D: return QPalette::Highlight;        // highlight
    case 0x0E: return QPalette::HighlightedText;  // highlighted text
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Dark;             // button shadow
    case 0x11: return QPalette::PlaceholderText;  // grey text
    case 0x12: return QPalette::ButtonText;       // button text
    case 0x14: return QPalette::Light;            // three-dimensional highlight
    case 0x15: return QPalette::Shadow;           // three-dimensional dark shadow
    case 0x16: return QPalette::Midlight;         // three-dimensional light edge
    case 0x17: return QPalette::ToolTipText;      // tooltip text
    case 0x18: return QPalette::ToolTipBase;      // tooltip background
    default: return QPalette::Window;
    }
}

}  // namespace

QColor screen_color(Color color)
{
    if (is_system_color(color)) return QApplication::palette().color(system_role(color & 0xFFu));
    return QColor(color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu);
}

namespace {

QString qt_text(const std::string& text) { return QString::fromStdString(text); }

void set_color(QWidget* widget, QPalette::ColorRole role, Color color)
{
    const QColor wanted = screen_color(color);
    if (widget->palette().color(role) == wanted) return;
    QPalette palette = widget->palette();
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

// What every kind shares: place, font, tooltip, visibility.
void mirror_common(const Control& control, QWidget* widget, const QRect& rect, const QFont& font)
{
    if (widget->geometry() != rect) widget->setGeometry(rect);
    if (widget->font() != font) widget->setFont(font);
    const QString tip = qt_text(control.tooltip);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
}

void mirror_common(const Control& control, QWidget* widget)
{
    mirror_common(control, widget, pixel_rect(control.place), screen_font(control.font));
}

template <class W>
W* make_widget(const Control& control, QWidget* parent)
{
    auto* widget = new W(parent);
    widget->setObjectName(qt_text(control.name()));
    return widget;
}

// A box's text as its widget holds it: a line break (CR LF in the model) is one "\n".
QString widget_text(const TextBox& box)
{
    QString text = qt_text(box.text);
    if (box.multi_line)
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Caret steps in a widget's text: code points, as the model counts positions.
std::size_t caret_steps(QStringView text)
{
    std::size_t steps = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) ++steps;
    return steps;
}

// The index in a widget's text that lies the given caret steps from its start.
qsizetype index_after_steps(const QString& text, std::size_t steps)
{
    qsizetype i = 0;
    for (; steps > 0 && i < text.size(); --steps)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return i;
}

// The smallest change that turns `before` into `after`: `removed` code units
// from index `at` replaced by `inserted`. Where the same change could stand at
// several places (typing "a" into "aa"), it is the one that ends at the caret,
// which after typing, pasting or dropping stands after the new text. It never
// splits a surrogate pair.
struct WidgetEdit {
    qsizetype at;
    qsizetype removed;
    QString inserted;
};

WidgetEdit edit_between(const QString& before, const QString& after, qsizetype caret)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    // The change has its smallest length with the longest common start; it can
    // stand earlier as far as the common end reaches.
    const qsizetype start_suffix = std::min(suffix, shorter - prefix);
    const qsizetype removed = before.size() - prefix - start_suffix;
    const qsizetype inserted = after.size() - prefix - start_suffix;
    const qsizetype earliest = std::max<qsizetype>(0, before.size() - removed - suffix);
    WidgetEdit edit{std::clamp(caret - inserted, earliest, prefix), removed, {}};
    qsizetype length = inserted;
    if (edit.at > 0 && after[edit.at - 1].isHighSurrogate()) {
        --edit.at;
        ++edit.removed;
        ++length;
    }
    if (edit.at + length < after.size() && after[edit.at + length].isLowSurrogate()) {
        ++edit.removed;
        ++length;
    }
    edit.inserted = after.mid(edit.at, length);
    return edit;
}

// Hands a user's change of an editable box's widget to the model as one edit at
// the caret (typing, a paste, a drop, an undo), and returns the index of the
// caret after it in the text that the widget then shows.
qsizetype run_user_edit(TextBox& box, const QString& edited, qsizetype caret, const RunEvent& run)
{
    const QString before = widget_text(box);
    const WidgetEdit change = edit_between(before, edited, caret);
    const std::size_t at = caret_steps(QStringView(before).left(change.at));
    const std::size_t removed = caret_steps(QStringView(before).mid(change.at, change.removed));
    std::size_t caret_after = 0;
    run([&] { caret_after = box.edit(at, removed, change.inserted.toStdString()); });
    return index_after_steps(widget_text(box), caret_after);
}

// A one-line text box. Its length is the model's to limit: the widget sets no
// maximum of its own, which would count UTF-16 units.
class LineView final : public ControlView {
public:
    LineView(TextBox& box, QWidget* parent, RunEvent run) : box_(box), edit_(make_widget<QLineEdit>(box, parent))
    {
        // textEdited comes from the user only, never from setText.
        QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this, run](const QString& text) {
            const qsizetype caret = run_user_edit(box_, text, edit_->cursorPosition(), run);
            if (edit_->text() != text) edit_->setCursorPosition(static_cast<int>(caret));  // the model took less
        });
    }
    QWidget* widget() const override { return edit_; }
    void mirror() override
    {
        mirror_common(box_, edit_);
        set_color(edit_, QPalette::Base, box_.back_color);
        set_color(edit_, QPalette::Text, box_.fore_color);
        if (edit_->isReadOnly() != box_.read_only) edit_->setReadOnly(box_.read_only);
        const QString text = qt_text(box_.text);
        if (edit_->text() != text) {
            const QSignalBlocker quiet(edit_);
            edit_->setText(text);
        }
    }

private:
    TextBox& box_;
    QLineEdit* edit_;
};

// A multi-line text box with a vertical scroll bar; the model holds line breaks as CR LF.
class TextAreaView final : public ControlView {
public:
    TextAreaView(TextBox& box, QWidget* parent, RunEvent run)
        : box_(box), edit_(make_widget<QPlainTextEdit>(box, parent))
    {
        edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit_->setTabChangesFocus(true);
        // textChanged also follows setPlainText: mirror() blocks it there.
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this, run] {
            const QString text = edit_->toPlainText();
            const qsizetype caret = run_user_edit(box_, text, edit_->textCursor().position(), run);
            if (edit_->toPlainText() == text) return;
            // The model took less: put the caret after what it took.
            QTextCursor at = edit_->textCursor();
            at.setPosition(static_cast<int>(caret));
            edit_->setTextCursor(at);
            edit_->ensureCursorVisible();
        });
    }
    QWidget* widget() const override { return edit_; }
    void mirror() override
    {
        mirror_common(box_, edit_);
        set_color(edit_, QPalette::Base, box_.back_color);
        set_color(edit_, QPalette::Text, box_.fore_color);
        if (edit_->isReadOnly() != box_.read_only) edit_->setReadOnly(box_.read_only);
        const QString text = widget_text(box_);
        if (edit_->toPlainText() == text) return;
        const QSignalBlocker quiet(edit_);
        const int cursor = edit_->textCursor().position();
        edit_->setPlainText(text);  // shows the top of a new text
        if (!box_.read_only) {
            QTextCursor at = edit_->textCursor();
            at.setPosition(std::min<int>(cursor, edit_->document()->characterCount() - 1));
            edit_->setTextCursor(at);
        }
    }

private:
    TextBox& box_;
    QPlainTextEdit* edit_;
};

// A caption's edge: one pixel round its letters, kept inside the label.
constexpr int caption_edge = 1;
QRect caption_area(const QRect& label)
{
    return label.adjusted(caption_edge, caption_edge, -caption_edge, -caption_edge);
}

// A label's caption with a thin edge of the opposite lightness around its
// letters (dark round light captions, light round dark ones such as red), so
// that it reads on any part of the grain. It has no background of its own.
// The caption is laid out once for its five strokes and kept until it changes.
class CaptionLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect room = caption_area(contentsRect());
        if (laid_out_.text() != text() || laid_out_.textWidth() != room.width() || laid_out_font_ != font()) {
            laid_out_.setTextFormat(Qt::PlainText);
            laid_out_.setTextWidth(room.width());  // wraps at word breaks
            laid_out_.setText(text());
            laid_out_.prepare(QTransform(), font());
            laid_out_font_ = font();
        }
        const QColor fore = palette().color(QPalette::WindowText);
        const bool dark_caption = 0.299 * fore.red() + 0.587 * fore.green() + 0.114 * fore.blue() < 110;
        const QColor edge = dark_caption ? QColor(255, 228, 196, 150) : QColor(0, 0, 0, 150);
        painter.setPen(edge);
        for (const QPoint step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            painter.drawStaticText(room.topLeft() + step, laid_out_);
        painter.setPen(fore);
        painter.drawStaticText(room.topLeft(), laid_out_);
    }

private:
    QStaticText laid_out_;
    QFont laid_out_font_;
};

// Where a label's caption and the edge around its letters go.
class CaptionRoom {
public:
    QRect rect;  // the label's place, or that place widened into free picture
    QFont font;  // at normal letter spacing

    // The room for caption in a label at place (named name): its place where
    // the caption fits there at the font's own size and spacing; else the place
    // widened as far as the caption needs, to the right or else to the left,
    // where no other control of the window stands and the window does not end;
    // else the place with the face a pixel smaller.
    static CaptionRoom fit(const QString& caption, const QRect& place, const QFont& font, std::string_view name)
    {
        if (fits(caption, place.size(), font)) return {place, font};
        const int one_line = QFontMetrics(font).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, caption).width();
        const int extra = std::max(one_line + 2 * caption_edge - place.width(), 1);
        const QRect right(place.right() + 1, place.top(), extra, place.height());
        if (is_free_picture(right, name)) return {place.adjusted(0, 0, extra, 0), font};
        const QRect left(place.left() - extra, place.top(), extra, place.height());
        if (is_free_picture(left, name)) return {place.adjusted(-extra, 0, 0, 0), font};
        QFont smaller = font;
        smaller.setPixelSize(font.pixelSize() - 1);
        return {place, smaller};
    }

    // Whether caption, wrapped at word breaks, fits a room of that size with its edge.
    static bool fits(const QString& caption, QSize room, const QFont& font)
    {
        const QRect area = caption_area(QRect(QPoint(0, 0), room));
        const QRect wrapped =
            QFontMetrics(font).boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, caption);
        return wrapped.width() <= area.width() && wrapped.height() <= area.height();
    }

private:
    // Inside the window, and over none of its controls but the named one.
    static bool is_free_picture(const QRect& strip, std::string_view name)
    {
        const WindowDescription& window = form1_window();
        if (!QRect(0, 0, pixels(window.client_width), pixels(window.client_height)).contains(strip)) return false;
        for (const ControlDescription& other : form1_controls())
            if (other.name != name && other.kind != ControlKind::FileDialog && pixel_rect(other.place).intersects(strip))
                return false;
        return true;
    }
};

class LabelView final : public ControlView {
public:
    LabelView(Label& label, QWidget* parent) : label_(label), widget_(make_widget<CaptionLabel>(label, parent))
    {
        widget_->setTextFormat(Qt::PlainText);
        widget_->setWordWrap(true);
        widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget_->lower();  // under the controls that overlap it, which take the clicks
    }
    QWidget* widget() const override { return widget_; }
    void mirror() override
    {
        const QString caption = qt_text(label_.caption);
        // Fitting measures the wrapped caption: only when the caption, place or font changed.
        const QRect place = pixel_rect(label_.place);
        if (!fitted_ || caption != fitted_caption_ || place != fitted_place_ || label_.font != fitted_for_) {
            room_ = CaptionRoom::fit(caption, place, screen_font(label_.font), label_.name());
            fitted_caption_ = caption;
            fitted_place_ = place;
            fitted_for_ = label_.font;
            fitted_ = true;
        }
        mirror_common(label_, widget_, room_.rect, room_.font);
        set_color(widget_, QPalette::WindowText, label_.fore_color);
        if (widget_->text() != caption) widget_->setText(caption);
    }

private:
    Label& label_;
    QLabel* widget_;
    bool fitted_ = false;
    QString fitted_caption_;
    QRect fitted_place_;
    Font fitted_for_;
    CaptionRoom room_;
};

// A push button drawn in its back colour (the palette's Button role) with a
// one-pixel raised edge that sinks while it is pressed, and its caption centred.
// Painted here rather than through a style sheet, which costs every button a
// parse and a style of its own when the window is built.
class FaceButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = rect();
        const QColor face = palette().color(QPalette::Button);
        const QColor light = face.lighter(160);
        const QColor dark = face.darker(190);
        painter.fillRect(r, face);
        painter.setPen(isDown() ? dark : light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(isDown() ? light : dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

    // Return or Enter clicks the focused button once, as Space does; a held key
    // does not click again.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QPushButton::keyPressEvent(event);
            return;
        }
        event->accept();
        if (!event->isAutoRepeat()) click();
    }
};

class ButtonView final : public ControlView {
public:
    ButtonView(Button& button, QWidget* parent, RunEvent run)
        : button_(button), widget_(make_widget<FaceButton>(button, parent))
    {
        widget_->setAutoDefault(false);
        QObject::connect(widget_, &QPushButton::clicked, widget_, [this, run] { run([&] { button_.click(); }); });
    }
    QWidget* widget() const override { return widget_; }
    void mirror() override
    {
        mirror_common(button_, widget_);
        QString caption = qt_text(button_.caption);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));  // no keyboard mnemonics
        if (widget_->text() != caption) widget_->setText(caption);
        set_color(widget_, QPalette::Button, button_.back_color);
        set_color(widget_, QPalette::ButtonText, system_color::button_text);
    }

private:
    Button& button_;
    QPushButton* widget_;
};

// Highlights entry index, or none when index is outside the list.
void show_highlight(QListWidget* widget, int index)
{
    if (index >= 0 && index < widget->count()) {
        if (widget->currentRow() != index || !widget->item(index)->isSelected()) widget->setCurrentRow(index);
    } else if (widget->currentRow() != -1 || !widget->selectedItems().isEmpty()) {
        widget->setCurrentRow(-1);
        widget->clearSelection();
    }
}

// A list widget whose user input goes to the model's list events: a press on an
// entry is a click, a double click adds DblClick, and a move of the highlight by
// keyboard or by dragging is a click on the new entry. Its signals are not used.
class ListWidget final : public QListWidget {
public:
    ListWidget(ListBox& list, QWidget* parent, RunEvent run) : QListWidget(parent), list_(list), run_(std::move(run))
    {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setUniformItemSizes(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->accept();  // only the left button picks an entry
            return;
        }
        QListWidget::mousePressEvent(event);
        pressed_row_ = row_at(event);
        if (pressed_row_ >= 0) run_([this] { list_.user_click(pressed_row_); });
    }

    // The platform delivers a double click as a press (above), a release, then
    // this event in place of the second press.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() != Qt::LeftButton) return;
        const int row = row_at(event);
        if (row < 0) return;
        if (row == pressed_row_) {
            // The press has run the click that a double click begins with.
            run_([this] {
                if (list_.on_double_click) list_.on_double_click();
            });
        } else {
            run_([this, row] { list_.user_double_click(row); });
        }
        pressed_row_ = -1;
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        QListWidget::mouseMoveEvent(event);
        if (event->buttons() & Qt::LeftButton) click_if_moved();
    }

    // Return or Enter on the highlighted entry does what a double click on it
    // does, once; other keys move the highlight.
    void keyPressEvent(QKeyEvent* event) override
    {
        show_highlight(this, list_.list_index());  // focus may have set a current row of its own
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            const int row = list_.list_index();
            if (row >= 0 && !event->isAutoRepeat()) run_([this, row] { list_.user_double_click(row); });
            return;
        }
        QListWidget::keyPressEvent(event);
        click_if_moved();
    }

public:
    // The height of one entry in the list's font.
    int row_height()
    {
        if (count() > 0) return sizeHintForRow(0);
        addItem(QStringLiteral("X"));
        const int height = sizeHintForRow(0);
        delete takeItem(0);
        return height;
    }

protected:

private:
    int row_at(const QMouseEvent* event) const
    {
        const QListWidgetItem* item = itemAt(event->position().toPoint());
        return item == nullptr ? -1 : row(item);
    }

    void click_if_moved()
    {
        const int now = currentRow();
        if (now >= 0 && now != list_.list_index()) run_([this, now] { list_.user_click(now); });
    }

    ListBox& list_;
    RunEvent run_;
    int pressed_row_ = -1;
};

class ListView final : public ControlView {
public:
    ListView(ListBox& list, QWidget* parent, RunEvent run) : list_(list), widget_(new ListWidget(list, parent, std::move(run)))
    {
        widget_->setObjectName(qt_text(list.name()));
    }
    QWidget* widget() const override { return widget_; }
    void mirror() override
    {
        // Whole entries only: the height is cut down to the last entry that shows whole.
        const QFont font = screen_font(list_.font);
        QRect rect = pixel_rect(list_.place);
        if (!measured_ || font != measured_font_) {
            widget_->setFont(font);
            row_height_ = std::max(1, widget_->row_height());
            measured_font_ = font;
            measured_ = true;
        }
        const int frame = 2 * widget_->frameWidth();
        rect.setHeight(frame + std::max(1, (rect.height() - frame) / row_height_) * row_height_);
        mirror_common(list_, widget_, rect, font);
        set_color(widget_, QPalette::Base, list_.back_color);
        set_color(widget_, QPalette::Text, list_.fore_color);
        if (shown_items_ != list_.items()) {
            widget_->clear();
            for (const std::string& item : list_.items()) widget_->addItem(qt_text(item));
            shown_items_ = list_.items();
        }
        show_highlight(widget_, list_.list_index());
    }

private:
    ListBox& list_;
    ListWidget* widget_;
    std::vector<std::string> shown_items_;
    bool measured_ = false;
    QFont measured_font_;
    int row_height_ = 1;
};

}  // namespace

std::unique_ptr<ControlView> make_view(Control& control, QWidget* parent, RunEvent run_event)
{
    switch (control.kind()) {
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (box.multi_line) return std::make_unique<TextAreaView>(box, parent, std::move(run_event));
        return std::make_unique<LineView>(box, parent, std::move(run_event));
    }
    case ControlKind::Label: return std::make_unique<LabelView>(static_cast<Label&>(control), parent);
    case ControlKind::Button:
        return std::make_unique<ButtonView>(static_cast<Button&>(control), parent, std::move(run_event));
    case ControlKind::ListBox:
        return std::make_unique<ListView>(static_cast<ListBox&>(control), parent, std::move(run_event));
    case ControlKind::FileDialog: return nullptr;
    }
    return nullptr;
}

}  // namespace tessmar
