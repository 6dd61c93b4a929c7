#pragma once

#include <QAccessible>

class QWidget;

namespace tavelo {

// What a screen reader should call a widget that paints itself or only groups others:
// a painted countdown is text, a drawn line a separator, the break overlay an alert.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

} // namespace tavelo
