// Asking the X window manager for a frame without a resize handle, through
// the window's _MOTIF_WM_HINTS property.
#include "fixed_frame.h"

#include <QGuiApplication>

#if defined(TESSMAR_X11) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace tessmar {

void ask_for_fixed_frame(QWidget& window)
{
#if defined(TESSMAR_X11) && QT_CONFIG(xcb)
    // The offscreen platform answers for X too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    static constexpr char name[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr), &std::free);
    if (atom == nullptr || atom->atom == XCB_ATOM_NONE) return;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, atom->atom, atom->atom, 0, 5), nullptr),
        &std::free);
    // Flags, functions, decorations, input mode, status. A function or
    // decoration bit counts as given unless the "all" bit is set.
    std::array<std::uint32_t, 5> hints{};
    if (property == nullptr || property->format != 32 || xcb_get_property_value_length(property.get()) != sizeof hints)
        return;
    std::memcpy(hints.data(), xcb_get_property_value(property.get()), sizeof hints);
    constexpr std::uint32_t functions_given = 1, decorations_given = 2, all = 1, resize = 2, resize_handle = 4;
    if ((hints[0] & functions_given) == 0 || (hints[1] & all) != 0 || (hints[0] & decorations_given) == 0 ||
        (hints[2] & all) != 0)
        return;
    hints[1] &= ~resize;
    hints[2] &= ~resize_handle;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom->atom, atom->atom, 32, 5, hints.data());
#else
    (void)window;
#endif
}

}  // namespace tessmar
