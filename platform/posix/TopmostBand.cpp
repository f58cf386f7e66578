#include "platform/TopmostBand.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef BRANNOCK_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace brannock {

#ifdef BRANNOCK_HAVE_XCB
namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

/// Asks the window manager to add or remove _NET_WM_STATE_ABOVE on a mapped window
/// (EWMH). The window itself is not touched, so it keeps its id, place and focus state.
bool sendAboveState(WId window, bool above)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t *connection = x11->connection();
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t stateAbove = internAtom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || stateAbove == XCB_ATOM_NONE)
        return false;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return false;

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = state;
    event.data.data32[0] = above ? 1 : 0; // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE
    event.data.data32[1] = stateAbove;
    event.data.data32[2] = 0;
    event.data.data32[3] = 1; // request from a normal application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
    return true;
}

} // namespace
#endif

void NativeTopmostBand::setTopmost(QWidget *window, bool topmost)
{
    if (!window || !window->isVisible())
        return; // a hidden window keeps its band; the keep-above hint applies when it maps
#ifdef BRANNOCK_HAVE_XCB
    sendAboveState(window->winId(), topmost);
#else
    Q_UNUSED(topmost);
#endif
}

} // namespace brannock
