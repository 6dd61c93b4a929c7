#include "platform/linux/QSettingsUserDefaults.h"

#include <QSettings>
#include <QVariant>

namespace tavelo {

namespace {

QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

QSettingsUserDefaults::QSettingsUserDefaults()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavelo"),
                                             QStringLiteral("Tavelo")))
{
}

QSettingsUserDefaults::QSettingsUserDefaults(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

QSettingsUserDefaults::~QSettingsUserDefaults() = default;

std::optional<std::string> QSettingsUserDefaults::string(const std::string &key) const
{
    const QVariant value = m_settings->value(toQt(key));
    // A hand-edited value with a comma reads back as a list: not text.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().toStdString();
}

// Values stored again unchanged (the version seen, at every start) leave the file alone:
// a sync with a change rewrites all of it.
void QSettingsUserDefaults::setString(const std::string &key, const std::string &value)
{
    if (string(key) == value)
        return;
    m_settings->setValue(toQt(key), toQt(value));
    // Written at once: the process may end without unwinding.
    m_settings->sync();
}

bool QSettingsUserDefaults::boolean(const std::string &key) const
{
    const QVariant value = m_settings->value(toQt(key));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    // The file keeps no types: a flag comes back as the text "true" or "false".
    return value.typeId() == QMetaType::QString &&
           value.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void QSettingsUserDefaults::setBoolean(const std::string &key, bool value)
{
    if (m_settings->contains(toQt(key)) && boolean(key) == value)
        return;
    m_settings->setValue(toQt(key), value);
    m_settings->sync();
}

void QSettingsUserDefaults::remove(const std::string &key)
{
    if (!m_settings->contains(toQt(key)))
        return;
    m_settings->remove(toQt(key));
    m_settings->sync();
}

} // namespace tavelo
