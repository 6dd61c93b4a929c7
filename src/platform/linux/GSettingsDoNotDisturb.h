#pragma once

#include <memory>

#include "platform/DoNotDisturb.h"

typedef struct _GSettings GSettings;

namespace tavelo {

// GNOME's switch: banners turned off in `org.gnome.desktop.notifications`. GSettings reads
// locally and announces changes through GLib's main loop, which Qt's event loop runs.
class GSettingsDoNotDisturb final : public DoNotDisturb {
public:
    // Nothing where the schema is not installed: GSettings aborts the program on an
    // unknown schema.
    static std::unique_ptr<GSettingsDoNotDisturb> createIfInstalled();

    ~GSettingsDoNotDisturb() override;
    GSettingsDoNotDisturb(const GSettingsDoNotDisturb &) = delete;
    GSettingsDoNotDisturb &operator=(const GSettingsDoNotDisturb &) = delete;

    bool isOn() const override;
    void setChangeHandler(std::function<void()> onChange) override;

private:
    explicit GSettingsDoNotDisturb(GSettings *settings);
    static void changed(GSettings *settings, const char *key, void *self);
    bool readOn() const;

    GSettings *m_settings;
    unsigned long m_handler = 0;
    bool m_on = false;
    std::function<void()> m_onChange;
};

} // namespace tavelo
