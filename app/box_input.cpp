// The input routine of both text box widgets: what the box takes of each
// input, counted in code points as the model counts positions, and the
// widget's text handed to the model after each change.
#include "box_input.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
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

// The span moved into a text of `size` units, so that no index read from a widget goes unchecked.
TextSpan within(TextSpan span, qsizetype size)
{
    const qsizetype from = std::clamp<qsizetype>(span.from, 0, size);
    return {from, std::clamp<qsizetype>(span.to, from, size)};
}

// What the box takes of `offered` put in place of `replaced` of the widget's text, as the widget holds it.
QString fitting(const TextBox& box, const QString& shown, TextSpan replaced, const QString& offered)
{
    const TextSpan span = within(replaced, shown.size());
    const QStringView view(shown);
    return in_widget_form(box, box.fitting(shown.toStdString(), caret_steps(view.first(span.from)),
                                           caret_steps(view.sliced(span.from, span.to - span.from)),
                                           offered.toStdString()));
}

bool is_enter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

// What a key types: none for a control character (Backspace, Ctrl+A), which the widget takes as a command.
QString typed_text(const QKeyEvent& event, bool multi_line)
{
    if (multi_line && is_enter(event)) return QStringLiteral("\n");
    const QString& text = event.text();
    if (text.isEmpty() || text.front().category() == QChar::Other_Control) return {};
    return text;
}

// Redo by the platform's keys, and by both Ctrl+Shift+Z and Ctrl+Y where those know only one of them.
bool asks_redo(const QKeyEvent& event)
{
    const QKeyCombination keys = event.keyCombination();
    return event.matches(QKeySequence::Redo) || keys == (Qt::ControlModifier | Qt::Key_Y) ||
           keys == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
}

// Ctrl+Shift+Insert pastes the selection where the platform has one, as both widgets do.
QClipboard::Mode pasted_from(const QKeyEvent& event)
{
    const bool selection = event.keyCombination() == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Insert);
    return selection && QGuiApplication::clipboard()->supportsSelection() ? QClipboard::Selection : QClipboard::Clipboard;
}

// The key press with the part of its text that the box takes.
QKeyEvent with_text(const QKeyEvent& event, const QString& text)
{
    return QKeyEvent(event.type(), event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey(),
                     event.nativeModifiers(), text, event.isAutoRepeat(), static_cast<quint16>(event.count()), event.device());
}

}  // namespace

QString widget_text(const TextBox& box) { return in_widget_form(box, box.text); }

template <class Edit>
BoxInput<Edit>::BoxInput(TextBox& box, QWidget* parent, const RunEvent& run) : Edit(parent), box_(box), run_(run)
{
    this->setObjectName(qt_text(box.name()));
}

template <class Edit>
void BoxInput<Edit>::keyPressEvent(QKeyEvent* event)
{
    if (this->isReadOnly()) {
        Edit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        offer(QGuiApplication::clipboard()->text(pasted_from(*event)));  // none when nobody owns it
        event->accept();
        return;
    }
    if (asks_redo(*event)) {
        this->redo();
        event->accept();
        return;
    }
    const QString typed = typed_text(*event, box_.multi_line);
    const QString taken = typed.isEmpty() ? typed : fitting(box_, current_text(), selection(), typed);
    if (taken == typed) {
        Edit::keyPressEvent(event);
        return;
    }
    if (is_enter(*event)) {  // the widget breaks the line on the key, whatever its text: no room for a break
        event->accept();
        return;
    }
    QKeyEvent cut = with_text(*event, taken);
    Edit::keyPressEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

template <class Edit>
void BoxInput<Edit>::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        Edit::inputMethodEvent(event);
        return;
    }
    if (this->isReadOnly()) {  // a read-only box takes no text, from an input method neither
        event->ignore();
        return;
    }
    // The widget takes the selection away, then replaces the range the commit names from the caret.
    const QString text = current_text();
    const TextSpan selected = within(selection(), text.size());
    const QString rest = QString(text).remove(selected.from, selected.to - selected.from);
    const qsizetype start = selected.from + event->replacementStart();
    const QString taken = fitting(box_, rest, {start, start + event->replacementLength()}, commit);
    if (taken == commit) {
        Edit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(taken, event->replacementStart(), event->replacementLength());
    Edit::inputMethodEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

template <class Edit>
void BoxInput<Edit>::dropEvent(QDropEvent* event)
{
    const QMimeData* dropped = event->mimeData();
    if (dropped == nullptr) {
        event->ignore();
        return;
    }
    // A text moved within the widget leaves before it lands, and so fits; any other drop replaces nothing.
    const auto* source = qobject_cast<const QWidget*>(event->source());
    const bool moved_within = event->dropAction() == Qt::MoveAction && source != nullptr &&
                              (source == this || this->isAncestorOf(source));
    if (this->isReadOnly() || !dropped->hasText() || moved_within) {
        Edit::dropEvent(event);
        return;
    }
    const QString offered = dropped->text();
    const QString taken = fitting(box_, current_text(), {0, 0}, offered);
    if (taken == offered) {
        Edit::dropEvent(event);
        return;
    }
    if (taken.isEmpty()) {  // nothing fits: the drop is refused, and a dragged text stays where it was
        event->ignore();
        return;
    }
    QMimeData cut_data;
    cut_data.setText(taken);
    QDropEvent cut(event->position(), event->possibleActions(), &cut_data, event->buttons(), event->modifiers(),
                   event->type());
    cut.setDropAction(event->dropAction());
    Edit::dropEvent(&cut);
    event->setDropAction(cut.dropAction());
    event->setAccepted(cut.isAccepted());
}

template <class Edit>
void BoxInput<Edit>::offer(const QString& offered)
{
    const QString taken = fitting(box_, current_text(), selection(), offered);
    if (!taken.isEmpty()) insert_step(taken);  // of nothing that fits, nothing changes
}

template <class Edit>
void BoxInput<Edit>::to_model(const QString& shown)
{
    run_([&] { box_.type(shown.toStdString()); });
}

template class BoxInput<QLineEdit>;
template class BoxInput<QPlainTextEdit>;

}  // namespace tessmar
