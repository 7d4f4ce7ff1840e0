// The label widget that draws a caption with a thin edge round its letters.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QStaticText>

namespace tessmar {

// A caption's edge: one pixel round its letters, kept inside the label.
constexpr int caption_edge = 1;
inline QRect caption_area(const QRect& label)
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
    void paintEvent(QPaintEvent*) override;

private:
    QStaticText laid_out_;
    QFont laid_out_font_;
};

}  // namespace tessmar
