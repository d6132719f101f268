#include "views/GraphWindowKind.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace bytelora {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        connection, 0, static_cast<std::uint16_t>(std::char_traits<char>::length(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

// On X11 a tool window is made transient for the whole application, which window
// managers keep above the main window. A plain window is stacked freely; the window
// manager is asked to leave it out of the taskbar instead.
Qt::WindowFlags GraphWindowType() {
    return Qt::Window;
}

void KeepOutOfTaskbar(QWidget& window) {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return;  // not on X11
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> wanted = {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (state == xcb_atom_t{XCB_ATOM_NONE}) return;

    // The window is not mapped yet: its state is ours to set, and Qt keeps what it finds
    // there when it adds its own.
    std::vector<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(data, data + reply->value_len);
    }
    for (const xcb_atom_t atom : wanted) {
        if (atom != xcb_atom_t{XCB_ATOM_NONE} &&
            std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
            atoms.push_back(atom);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

}  // namespace bytelora
