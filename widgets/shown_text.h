// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <string_view>

namespace wordbloom {

// A text of the files as a control shows it: a text too long for any control
// keeps its first and last hundred characters around "…". Cells, lists,
// labels, chart labels and tooltips show this form, so that measuring and
// drawing a topic of a hundred thousand characters costs no more than one of
// a few hundred.
QString shownText(std::string_view utf8);

// The start of a text for a chart label, a list or a tooltip, where the
// room is known: its first `characters` characters and "…" when it is
// longer. Only the part shown is converted.
QString shownStart(std::string_view utf8, std::size_t characters);

} // namespace wordbloom
