// What the window's headless tests share: a watch that closes any modal dialog
// (no user is there to answer it) and says which opened, and typing and pasting
// as a keyboard delivers them.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <string_view>

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

}  // namespace tessmar
