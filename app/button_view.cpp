// A button's caption (with no keyboard mnemonics) and colours on its widget,
// and its clicks handed to the model.
#include "button_view.h"

#include "face_button.h"
#include "widget_mirror.h"

namespace tessmar {

ButtonView::ButtonView(Button& button, QWidget* parent, RunEvent run)
    : ControlViewOf(button, make_widget<FaceButton>(button, parent))
{
    widget_->setAutoDefault(false);
    QObject::connect(widget_, &QPushButton::clicked, widget_, [this, run] { run([&] { control_.click(); }); });
}

void ButtonView::mirror()
{
    mirror_common(control_, widget_);
    QString caption = qt_text(control_.caption);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));  // no keyboard mnemonics
    if (widget_->text() != caption) widget_->setText(caption);
    set_color(widget_, QPalette::Button, control_.back_color);
    set_color(widget_, QPalette::ButtonText, system_color::button_text);
}

}  // namespace tessmar
