// What a text box takes of an input before its widget gets it, and a user's
// change of the widget as one edit of the model, counted in code points as
// the model counts positions.
#include "text_box_editing.h"

#include <QStringView>

#include <algorithm>
#include <cstddef>

namespace tessmar {

namespace {

// A box's text (or a part of it) as its widget holds it.
QString in_widget_form(const TextBox& box, const std::string& text)
{
    QString shown = qt_text(text);
    if (box.multi_line)
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
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

}  // namespace

QString widget_text(const TextBox& box) { return in_widget_form(box, box.text); }

QString fitting_input(const TextBox& box, const QString& shown, qsizetype from, qsizetype to, const QString& offered)
{
    const std::size_t at = caret_steps(QStringView(shown).left(from));
    const std::size_t removed = caret_steps(QStringView(shown).mid(from, to - from));
    return in_widget_form(box, box.fitting(shown.toStdString(), at, removed, offered.toStdString()));
}

bool types_text(const QKeyEvent& event) { return !event.text().isEmpty() && event.text().front().isPrint(); }

bool asks_redo(const QKeyEvent& event)
{
    const QKeyCombination keys = event.keyCombination();
    return event.matches(QKeySequence::Redo) || keys == (Qt::ControlModifier | Qt::Key_Y) ||
           keys == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
}

QKeyEvent with_text(const QKeyEvent& event, const QString& text)
{
    return QKeyEvent(event.type(), event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey(),
                     event.nativeModifiers(), text, event.isAutoRepeat(), static_cast<quint16>(event.count()), event.device());
}

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

}  // namespace tessmar
