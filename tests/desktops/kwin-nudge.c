/* Moves KWin's pointer by one pixel and back through its fake-input protocol: input
 * that KWin itself sees, unlike XTEST through Xwayland, so its idle timer restarts.
 * KWin must run with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1. Exits 0 once KWin has had
 * the motion, 1 when the protocol is missing. */
#include <stdio.h>
#include <string.h>

#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input *fake;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        fake = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

int main(void)
{
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "kwin-nudge: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!fake) {
        fprintf(stderr, "kwin-nudge: the compositor offers no org_kde_kwin_fake_input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake, "tavelo desktop matrix", "input that counts as the user");
    org_kde_kwin_fake_input_pointer_motion(fake, wl_fixed_from_int(1), wl_fixed_from_int(1));
    org_kde_kwin_fake_input_pointer_motion(fake, wl_fixed_from_int(-1), wl_fixed_from_int(-1));
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
