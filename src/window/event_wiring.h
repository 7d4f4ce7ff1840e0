// Which control raises which handler of Form1.
#pragma once

#include <span>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

enum class WindowEvent { Click, DblClick };

struct EventBinding {
    std::string_view control;
    WindowEvent event;
    void (Form1::*handler)();
};

// Every event that the window handles; controls not listed raise nothing.
std::span<const EventBinding> form1_events();

}  // namespace tessmar
