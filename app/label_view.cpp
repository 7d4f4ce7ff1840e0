// A label as a transparent caption under the controls that overlap it; its
// room is measured again only when its caption, place or font changes.
#include "label_view.h"

#include "caption_label.h"
#include "screen_units.h"
#include "widget_mirror.h"

namespace tessmar {

LabelView::LabelView(Label& label, QWidget* parent) : ControlViewOf(label, make_widget<CaptionLabel>(label, parent))
{
    widget_->setTextFormat(Qt::PlainText);
    widget_->setWordWrap(true);
    widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget_->lower();  // under the controls that overlap it, which take the clicks
}

void LabelView::mirror()
{
    const QString caption = qt_text(control_.caption);
    // Fitting measures the wrapped caption: only when the caption, place or font changed.
    const QRect place = pixel_rect(control_.place);
    if (!fitted_ || caption != fitted_caption_ || place != fitted_place_ || control_.font != fitted_for_) {
        room_ = CaptionRoom::fit(caption, place, screen_font(control_.font), control_.name());
        fitted_caption_ = caption;
        fitted_place_ = place;
        fitted_for_ = control_.font;
        fitted_ = true;
    }
    mirror_common(control_, widget_, room_.rect, room_.font);
    set_color(widget_, QPalette::WindowText, control_.fore_color);
    if (widget_->text() != caption) widget_->setText(caption);
}

}  // namespace tessmar
