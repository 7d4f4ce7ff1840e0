// A read-only one-line box as assistive technology sees it: text that may be
// read, not edited.
#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

namespace tessmar {

// Qt's own interface for a line edit (not public) tells a read-only box as
// editable and read-only both; this one tells it as read-only text alone.
class ReadOnlyBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

}  // namespace tessmar
