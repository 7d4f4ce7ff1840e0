// What the window's headless tests share: a watch that closes any modal dialog
// (no user is there to answer it) and says which opened, a window of the
// planner for each test function, how far apart two colours are, typing,
// pasting and clicking as a keyboard and a mouse deliver them, and a text box
// widget's text and caret.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "planner_window.h"
#include "stand_ins.h"

namespace tessmar {

inline QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class ModalDialogWatch {
public:
    ModalDialogWatch()
    {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen_ << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
    }

    void start()
    {
        seen_.clear();
        timer_.start();
    }

    // Stops watching; the kinds of the dialogs it closed, empty for none.
    QString stop()
    {
        timer_.stop();
        return seen_.join(QStringLiteral(", "));
    }

private:
    QTimer timer_;
    QStringList seen_;
};

// A window of the planner for each test function, on stand-ins of its own,
// with the modal-dialog watch running while it is open.
class WindowUnderTest {
protected:
    StubSaveDialog save_dialog_;
    StubProgramEnd program_end_;
    std::unique_ptr<PlannerWindow> window_;
    ModalDialogWatch modal_watch_;  // a modal dialog would wait for a user who is not there

    template <class W>
    W* widget(std::string_view name) const
    {
        W* found = qobject_cast<W*>(window_->widget_of(name));
        if (found == nullptr) qWarning("no widget of that kind for %s", std::string(name).c_str());
        return found;
    }

    // A new window on fresh stand-ins, shown.
    void open_window()
    {
        save_dialog_ = StubSaveDialog{};
        program_end_ = StubProgramEnd{};
        window_ = std::make_unique<PlannerWindow>(save_dialog_, program_end_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        modal_watch_.start();
    }

    void make_active()
    {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    // Closes the window; a modal dialog that opened while it was open fails the test.
    void close_window()
    {
        const QString modal = modal_watch_.stop();
        window_.reset();
        QVERIFY2(modal.isEmpty(), qPrintable("a modal dialog opened: " + modal));
    }
};

// How far apart two colours are: the sum of the differences of their red,
// green and blue.
inline int colour_distance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// Typing as a keyboard delivers it: one key event for each character, an
// astral character as its two UTF-16 units in one event.
inline void type_text(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

inline void paste(QWidget* widget, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// The centre of a list's entry, scrolled into view as a user scrolls to it.
inline QPoint row_centre(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

inline void click_row(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row_centre(list, row));
}

// A user's double click as the platform delivers it: press, release, double click, release.
inline void double_click(QListWidget* list, int row)
{
    const QPoint at = row_centre(list, row);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// The text a text box's widget (a QLineEdit or a QPlainTextEdit) shows, and its caret.
inline QString shown_text(const QWidget* w)
{
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    return qobject_cast<const QPlainTextEdit*>(w)->toPlainText();
}

inline int caret_of(const QWidget* w)
{
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->cursorPosition();
    return qobject_cast<const QPlainTextEdit*>(w)->textCursor().position();
}

inline void set_caret(QWidget* w, int at)
{
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->setCursorPosition(at);
    auto* text = qobject_cast<QPlainTextEdit*>(w);
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(at);
    text->setTextCursor(cursor);
}

}  // namespace tessmar
