// Where a label's caption goes: its place, or that place widened into free
// picture, or a face a pixel smaller.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <string_view>

namespace tessmar {

// A caption's edge: one pixel round its letters, kept inside the label.
constexpr int caption_edge = 1;
inline QRect caption_area(const QRect& label)
{
    return label.adjusted(caption_edge, caption_edge, -caption_edge, -caption_edge);
}

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
    static CaptionRoom fit(const QString& caption, const QRect& place, const QFont& font, std::string_view name);

private:
    // Whether caption, wrapped at word breaks, fits a room of that size with its edge.
    static bool fits(const QString& caption, QSize room, const QFont& font);
    // Inside the window, and over none of its controls but the named one.
    static bool is_free_picture(const QRect& strip, std::string_view name);
};

}  // namespace tessmar
