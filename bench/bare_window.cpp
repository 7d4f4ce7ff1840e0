// bare-window: the start-up baseline. One empty Qt window of the planner's
// size, shown, drawn once by the event loop, then the program ends.
#include <QApplication>
#include <QWidget>

#include "first_frame.h"
#include "window/window_description.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const tessmar::WindowDescription& planner = tessmar::form1_window();
    constexpr int twips_per_pixel = 15;
    QWidget window;
    window.setFixedSize(planner.client_width / twips_per_pixel, planner.client_height / twips_per_pixel);  // 790 x 573
    tessmar::QuitAfterFirstFrame quit_after_first_frame(window);
    window.show();
    return QApplication::exec();
}
