// What the window tells a screen reader after an action, beside what the
// focused control says of itself.
#pragma once

#include <QString>
#include <QWidget>

namespace tessmar {

// A hidden child of the window that a screen reader is told of as a
// notification whose name is the text to say: Orca speaks a notification as
// soon as it is shown, whatever has the focus and also when it repeats the last.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* window);

    // Tells `text` (nothing for an empty one).
    void announce(const QString& text);
    // The text last told, and how many were told.
    const QString& told() const { return told_; }
    int times_told() const { return times_told_; }

private:
    QString told_;
    int times_told_ = 0;
};

}  // namespace tessmar
