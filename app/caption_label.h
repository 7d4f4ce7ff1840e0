// A label's widget: its caption drawn over the wood picture with a thin edge
// round its letters, in the room that the caption needs.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QStaticText>
#include <QString>

#include "caption_room.h"
#include "control_widget.h"

namespace tessmar {

// A label's caption with a thin edge of the opposite lightness around its
// letters (dark round light captions, light round dark ones such as red), so
// that it reads on any part of the grain. It has no background of its own and
// lies under the controls that overlap it, which take the clicks. The caption
// is laid out once for its five strokes and kept until it changes.
class CaptionLabel final : public QLabel, public ControlWidget {
public:
    CaptionLabel(Label& label, QWidget* parent);
    void mirror() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Label& label_;
    // The caption, place and font that room_ was fitted for; fitting measures
    // the wrapped caption, so only when one of them changes.
    bool fitted_ = false;
    QString fitted_caption_;
    QRect fitted_place_;
    Font fitted_for_;
    CaptionRoom room_;
    QStaticText laid_out_;
    QFont laid_out_font_;
};

}  // namespace tessmar
