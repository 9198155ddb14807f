#include "platform/DesktopHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef PQ_HAVE_XCB
#include <QHash>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace DesktopHints {

bool offered()
{
#ifdef PQ_HAVE_XCB
    return QGuiApplication::platformName() == QLatin1String("xcb");
#else
    return false;
#endif
}

#ifdef PQ_HAVE_XCB
namespace {

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    static QHash<QByteArray, xcb_atom_t> known;
    const QByteArray key(name);
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(key.size()), name), nullptr),
        &std::free);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    known.insert(key, value);
    return value;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A window on the screen is changed through the window manager.
void ask(xcb_connection_t *c, xcb_window_t window, xcb_atom_t type, uint32_t d0, uint32_t d1,
         uint32_t d2, uint32_t d3)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    event.data.data32[2] = d2;
    event.data.data32[3] = d3;
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

uint32_t currentDesktop(xcb_connection_t *c)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, rootOf(c), atom(c, "_NET_CURRENT_DESKTOP"),
                                                XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return 0;
    return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
}

// A window not on the screen yet: its properties are read when it is mapped;
// Qt keeps state atoms it does not set itself.
void setStates(xcb_connection_t *c, xcb_window_t window, bool skip)
{
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t ours[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                               atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    // Added without asking the server first: a thousand notes would wait on a
    // thousand round trips. The window manager takes the state away when a
    // window is hidden, so the atoms do not pile up.
    if (skip) {
        xcb_change_property(c, XCB_PROP_MODE_APPEND, window, state, XCB_ATOM_ATOM, 32, 2, ours);
        return;
    }
    QList<xcb_atom_t> atoms;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, state, XCB_ATOM_ATOM, 0, 64),
                               nullptr),
        &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        atoms = QList<xcb_atom_t>(data, data + reply->value_len);
    }
    for (xcb_atom_t one : ours)
        atoms.removeAll(one);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        uint32_t(atoms.size()), atoms.constData());
}

} // namespace
#endif

#ifdef PQ_HAVE_XCB
namespace {

// The window's connection and id, made now if need be; none off X11.
xcb_connection_t *target(QWidget *window, xcb_window_t *id, bool *shown)
{
    if (!window || !offered())
        return nullptr;
    xcb_connection_t *c = connection();
    if (c) {
        *id = xcb_window_t(window->winId());
        *shown = window->windowHandle() && window->windowHandle()->isVisible();
    }
    return c;
}

} // namespace
#endif

void setSkipTaskbar(QWidget *window, bool skip)
{
#ifdef PQ_HAVE_XCB
    xcb_window_t id = 0;
    bool shown = false;
    xcb_connection_t *c = target(window, &id, &shown);
    if (!c)
        return;
    if (shown)
        // 0 remove, 1 add; the last 1: asked by an ordinary program.
        ask(c, id, atom(c, "_NET_WM_STATE"), skip ? 1 : 0, atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
            atom(c, "_NET_WM_STATE_SKIP_PAGER"), 1);
    else
        setStates(c, id, skip);
    // A window about to be shown goes out with Qt's own requests for it.
    if (shown)
        xcb_flush(c);
#else
    Q_UNUSED(window);
    Q_UNUSED(skip);
#endif
}

void setOnAllWorkspaces(QWidget *window, bool all)
{
#ifdef PQ_HAVE_XCB
    xcb_window_t id = 0;
    bool shown = false;
    xcb_connection_t *c = target(window, &id, &shown);
    if (!c)
        return;
    const xcb_atom_t desktop = atom(c, "_NET_WM_DESKTOP");
    constexpr uint32_t Everywhere = 0xFFFFFFFF;
    if (shown)
        ask(c, id, desktop, all ? Everywhere : currentDesktop(c), 1, 0, 0);
    else if (all)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1,
                            &Everywhere);
    else
        xcb_delete_property(c, id, desktop);
    if (shown)
        xcb_flush(c);
#else
    Q_UNUSED(window);
    Q_UNUSED(all);
#endif
}

} // namespace DesktopHints
