#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

namespace tavelo {

// One icon image as the StatusNotifierItem protocol carries it: (iiay), the pixels
// 32-bit ARGB, non-premultiplied, in network byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;

    static StatusNotifierPixmap fromImage(const QImage &image);
    bool operator==(const StatusNotifierPixmap &) const = default;
};

using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

// The tool tip: (sa(iiay)ss), icon name, icon images, title and body.
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps images;
    QString title;
    QString text;

    bool operator==(const StatusNotifierToolTip &) const = default;
};

// Makes the types above known to QtDBus; safe to call more than once.
void registerStatusNotifierDBusTypes();

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierToolTip &toolTip);

} // namespace tavelo

Q_DECLARE_METATYPE(tavelo::StatusNotifierPixmap)
Q_DECLARE_METATYPE(tavelo::StatusNotifierToolTip)
