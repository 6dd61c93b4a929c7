#include "platform/linux/GSettingsDoNotDisturb.h"

#include <gio/gio.h>

namespace tavelo {

namespace {
constexpr const char *kSchema = "org.gnome.desktop.notifications";
constexpr const char *kKey = "show-banners";
} // namespace

std::unique_ptr<GSettingsDoNotDisturb> GSettingsDoNotDisturb::createIfInstalled()
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
    if (!schema)
        return nullptr;
    GSettings *settings = nullptr;
    if (g_settings_schema_has_key(schema, kKey))
        settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    if (!settings)
        return nullptr;
    return std::unique_ptr<GSettingsDoNotDisturb>(new GSettingsDoNotDisturb(settings));
}

GSettingsDoNotDisturb::GSettingsDoNotDisturb(GSettings *settings) : m_settings(settings)
{
    m_handler =
        g_signal_connect(m_settings, "changed::show-banners", G_CALLBACK(&GSettingsDoNotDisturb::changed), this);
    // Read once here: GSettings only announces changes of keys that were read.
    m_on = readOn();
}

GSettingsDoNotDisturb::~GSettingsDoNotDisturb()
{
    g_signal_handler_disconnect(m_settings, m_handler);
    g_object_unref(m_settings);
}

bool GSettingsDoNotDisturb::isOn() const
{
    return m_on;
}

void GSettingsDoNotDisturb::setChangeHandler(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void GSettingsDoNotDisturb::changed(GSettings *, const char *, void *self)
{
    auto *that = static_cast<GSettingsDoNotDisturb *>(self);
    const bool on = that->readOn();
    if (on == that->m_on)
        return;
    that->m_on = on;
    if (that->m_onChange)
        that->m_onChange();
}

bool GSettingsDoNotDisturb::readOn() const
{
    return !g_settings_get_boolean(m_settings, kKey);
}

} // namespace tavelo
