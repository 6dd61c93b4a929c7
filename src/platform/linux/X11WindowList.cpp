#include "platform/linux/X11WindowList.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace tavelo {

namespace {

// Every request of a step goes out before the first reply is read: one round trip a step
// (and a few steps a list) however many windows there are, not several a window.
template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;
template <typename Reply> Owned<Reply> owned(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

struct Atoms {
    xcb_atom_t wmState = 0;
    xcb_atom_t netWmPid = 0;
    xcb_atom_t netWmWindowType = 0;
    xcb_atom_t netWmWindowTypeDesktop = 0;
};

Atoms internAtoms(xcb_connection_t *c)
{
    const char *names[] = {"WM_STATE", "_NET_WM_PID", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DESKTOP"};
    xcb_intern_atom_cookie_t cookies[4];
    for (int i = 0; i < 4; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (auto reply = owned(xcb_intern_atom_reply(c, cookies[i], nullptr)))
            atoms[i] = reply->atom;
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t *c, xcb_window_t window)
{
    auto reply = owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!reply)
        return {};
    const xcb_window_t *children = xcb_query_tree_children(reply.get());
    return std::vector<xcb_window_t>(children, children + xcb_query_tree_children_length(reply.get()));
}

// The 32-bit items of a property of each window, empty where absent.
std::vector<std::vector<uint32_t>> cardinalProperties(xcb_connection_t *c, const std::vector<xcb_window_t> &windows,
                                                      xcb_atom_t property, uint32_t maxItems)
{
    std::vector<xcb_get_property_cookie_t> cookies;
    for (xcb_window_t window : windows)
        cookies.push_back(xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, maxItems));
    std::vector<std::vector<uint32_t>> result(windows.size());
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        auto reply = owned(xcb_get_property_reply(c, cookies[i], nullptr));
        if (reply && reply->format == 32) {
            const auto *items = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
            result[i].assign(items, items + xcb_get_property_value_length(reply.get()) / 4);
        }
    }
    return result;
}

// A reparenting window manager puts each client inside a frame; the client is the
// window below the frame that carries WM_STATE. Unmanaged windows are their own client.
// Breadth first, a level of every frame at a time, at most three levels down.
std::vector<xcb_window_t> clientsOf(xcb_connection_t *c, const std::vector<xcb_window_t> &topLevels, xcb_atom_t wmState)
{
    std::vector<xcb_window_t> clients = topLevels;
    std::vector<bool> found(topLevels.size(), false);
    // (top level's index, window) pairs of the current level.
    std::vector<std::pair<std::size_t, xcb_window_t>> level;
    for (std::size_t i = 0; i < topLevels.size(); ++i)
        level.emplace_back(i, topLevels[i]);
    for (int depth = 0; depth <= 3 && !level.empty(); ++depth) {
        std::vector<xcb_get_property_cookie_t> states;
        std::vector<xcb_query_tree_cookie_t> trees;
        for (const auto &[index, window] : level) {
            states.push_back(xcb_get_property(c, 0, window, wmState, XCB_GET_PROPERTY_TYPE_ANY, 0, 0));
            if (depth < 3)
                trees.push_back(xcb_query_tree(c, window));
        }
        std::vector<std::pair<std::size_t, xcb_window_t>> next;
        for (std::size_t k = 0; k < level.size(); ++k) {
            const auto [index, window] = level[k];
            auto state = owned(xcb_get_property_reply(c, states[k], nullptr));
            auto tree =
                depth < 3 ? owned(xcb_query_tree_reply(c, trees[k], nullptr)) : owned<xcb_query_tree_reply_t>(nullptr);
            if (found[index])
                continue;
            if (state && state->type != XCB_NONE) {
                found[index] = true;
                clients[index] = window;
                continue;
            }
            if (tree) {
                const xcb_window_t *children = xcb_query_tree_children(tree.get());
                for (int n = 0; n < xcb_query_tree_children_length(tree.get()); ++n)
                    next.emplace_back(index, children[n]);
            }
        }
        level = std::move(next);
    }
    return clients;
}

std::vector<xcb_window_t> ownWindowIds()
{
    std::vector<xcb_window_t> ids;
    for (QWindow *window : QGuiApplication::allWindows()) {
        // winId() would create a native window for one that has none yet.
        if (window->handle())
            ids.push_back(static_cast<xcb_window_t>(window->winId()));
    }
    return ids;
}

struct Candidate {
    xcb_window_t window;
    WindowBounds bounds;
};

} // namespace

std::optional<std::vector<WindowBounds>> X11WindowList::onScreenWindows() const
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::vector<WindowBounds>{};
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return std::nullopt;

    const Atoms atoms = internAtoms(c);
    const std::vector<xcb_window_t> own = ownWindowIds();
    const auto isOwn = [&own](xcb_window_t w) { return std::find(own.begin(), own.end(), w) != own.end(); };
    const uint32_t ourPid = static_cast<uint32_t>(getpid());

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::vector<xcb_window_t> topLevels = childrenOf(c, root);
    std::vector<xcb_get_window_attributes_cookie_t> attributeCookies;
    std::vector<xcb_get_geometry_cookie_t> geometryCookies;
    for (xcb_window_t window : topLevels) {
        attributeCookies.push_back(xcb_get_window_attributes(c, window));
        geometryCookies.push_back(xcb_get_geometry(c, window));
    }
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < topLevels.size(); ++i) {
        auto attributes = owned(xcb_get_window_attributes_reply(c, attributeCookies[i], nullptr));
        auto geometry = owned(xcb_get_geometry_reply(c, geometryCookies[i], nullptr));
        if (!attributes || !geometry)
            continue; // gone in the meantime
        if (attributes->map_state != XCB_MAP_STATE_VIEWABLE || attributes->_class == XCB_WINDOW_CLASS_INPUT_ONLY)
            continue;
        if (isOwn(topLevels[i]))
            continue;
        const double border = 2.0 * geometry->border_width;
        candidates.push_back(
            {topLevels[i],
             {double(geometry->x), double(geometry->y), geometry->width + border, geometry->height + border}});
    }

    std::vector<xcb_window_t> frames;
    for (const Candidate &candidate : candidates)
        frames.push_back(candidate.window);
    const std::vector<xcb_window_t> clients = clientsOf(c, frames, atoms.wmState);
    const auto pids = cardinalProperties(c, clients, atoms.netWmPid, 1);
    const auto types = cardinalProperties(c, clients, atoms.netWmWindowType, 32);

    std::vector<WindowBounds> result;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (clients[i] != frames[i] && isOwn(clients[i]))
            continue;
        if (!pids[i].empty() && pids[i].front() == ourPid)
            continue;
        if (std::find(types[i].begin(), types[i].end(), atoms.netWmWindowTypeDesktop) != types[i].end())
            continue;
        result.push_back(candidates[i].bounds);
    }
    return result;
}

} // namespace tavelo
