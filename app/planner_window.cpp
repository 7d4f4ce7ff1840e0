// Building the planner's window from Form1 and the window description.
#include "planner_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <string>

#include "accessibility.h"
#include "announcer.h"
#include "focus_frame.h"
#include "planner_icon.h"
#include "screen_units.h"
#include "widget_mirror.h"
#include "window/spoken_result.h"
#include "window/window_description.h"
#include "wood_picture.h"

namespace tessmar {

PlannerWindow::PlannerWindow(SaveAsDialog& save_dialog, ProgramEnd& program_end, QWidget* parent)
    : FormHolder(save_dialog, program_end), QWidget(parent), program_end_(program_end)
{
    const WindowDescription& window = form1_window();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(window.caption.data(), static_cast<qsizetype>(window.caption.size())));
    setFixedSize(pixels(window.client_width), pixels(window.client_height));
    // The window's size is fixed: its title bar offers minimising and closing, not maximising.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(built_planner_icon());
    setFont(screen_font(window.font));
    picture_ = built_wood_picture();

    use_planner_accessibility();
    for (Control* control : form_.controls().in_order()) {
        const RunEvent run = [this, control](const std::function<void()>& event) { run_event(*control, event); };
        if (ControlWidget* widget = make_control_widget(*control, this, run)) widgets_.push_back(widget);
    }
    announcer_ = new Announcer(this);

    // The label beside a control names it to assistive technology.
    for (const Control* control : form_.controls().in_order()) {
        auto* label = control->labelled_by.empty() ? nullptr : qobject_cast<QLabel*>(widget_of(control->labelled_by));
        if (label != nullptr) label->setBuddy(widget_of(control->name()));
    }
    form_.Form_Load();
    mirror();
    apply_tab_order();
    focus_frame_ = new FocusFrame(this);  // above every control
}

void PlannerWindow::apply_tab_order()
{
    const auto order = form1_tab_order();
    for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = widget->objectName().toStdString();
        const bool listed = std::find(order.begin(), order.end(), name) != order.end();
        // A listed control takes Tab even when it is a read-only box; the others
        // keep only the click.
        if (listed) widget->setFocusPolicy(Qt::FocusPolicy(widget->focusPolicy() | Qt::StrongFocus));
        else if (widget->focusPolicy() & Qt::TabFocus) widget->setFocusPolicy(Qt::ClickFocus);
    }
    QWidget* previous = nullptr;
    for (std::string_view name : order) {
        QWidget* widget = widget_of(name);
        if (widget == nullptr) continue;
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
    if (!order.empty())
        if (QWidget* first = widget_of(order.front())) first->setFocus(Qt::OtherFocusReason);
}

// The frame goes first, so that it follows no focus through the window's end.
PlannerWindow::~PlannerWindow() { delete focus_frame_; }

QWidget* PlannerWindow::widget_of(std::string_view name) const
{
    return findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                               Qt::FindDirectChildrenOnly);
}

void PlannerWindow::mirror()
{
    for (ControlWidget* widget : widgets_) widget->mirror();
}

void PlannerWindow::run_event(const Control& source, const std::function<void()>& event)
{
    const SpokenResult result(form_.controls(), source);
    event();
    mirror();
    announcer_->announce(qt_text(result.told()));
}

void PlannerWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), screen_color(form1_window().back_color));
    painter.drawImage(0, 0, picture_);  // unscaled; cut off at the right and bottom
}

void PlannerWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    program_end_.end_program();
}

}  // namespace tessmar
