// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/control_table.h"

#include <QString>

class QWidget;

namespace wordbloom {

// Names a control for screen readers as the table describes it: the
// accessible name says what the control is, the description what it does (the
// tool tip where the control has one). A combo box's text field and drop-down
// list take the box's name too, so that focus landing on either is named.
void nameControl(QWidget& control, const ControlDescription& described);

// The accessible name of a control that shows a value, with the value it shows
// now: "新しい回答の数 3", or the name alone while it shows nothing.
QString nameWithValue(const QWidget& control, const QString& value);

} // namespace wordbloom
