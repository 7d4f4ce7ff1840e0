// The view of a label: its caption drawn over the wood picture, in the room
// that the caption needs.
#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

#include "caption_room.h"
#include "control_views.h"

namespace tessmar {

class LabelView final : public ControlViewOf<Label, QLabel> {
public:
    LabelView(Label& label, QWidget* parent);
    void mirror() override;

private:
    // The caption, place and font that room_ was fitted for.
    bool fitted_ = false;
    QString fitted_caption_;
    QRect fitted_place_;
    Font fitted_for_;
    CaptionRoom room_;
};

}  // namespace tessmar
