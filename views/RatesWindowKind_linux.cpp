#include "views/RatesWindowKind.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace bytelora {
namespace {

// Xwayland names its outputs XWAYLAND0, XWAYLAND1...; from release 23 on it also has an
// extension of its own.
bool OnXWayland() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name().startsWith(QStringLiteral("XWAYLAND"))) return true;
    }
    static constexpr char kName[] = "XWAYLAND";
    xcb_connection_t* connection = x11->connection();
    const xcb_query_extension_cookie_t cookie = xcb_query_extension(
        connection, static_cast<std::uint16_t>(std::char_traits<char>::length(kName)), kName);
    const std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> reply(
        xcb_query_extension_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->present;
}

}  // namespace

// Not a tool window: on X11 Qt makes a tool window transient for the whole program, and
// window managers then iconify it with the main window, the very moment the meter is
// wanted. A plain window that takes no focus is left out of the task switcher; the
// taskbar and the pager are asked to skip it.
//
// Through Xwayland the compositor's window manager keeps no window above the others
// (weston's drops _NET_WM_STATE_ABOVE), but it puts the windows it does not manage in a
// layer above every managed one, where they stand where they asked to: the meter goes
// there, and moves itself when dragged.
Qt::WindowFlags RatesWindowType() {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                            Qt::WindowDoesNotAcceptFocus;
    if (OnXWayland()) flags |= Qt::X11BypassWindowManagerHint;
    return flags;
}

}  // namespace bytelora
