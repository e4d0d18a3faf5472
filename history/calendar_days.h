// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// Dates counted in days from 1970/01/01 (negative before it), so that the
// days and weeks between two dates are a subtraction.

// The day of a stored "yyyy/mm/dd"; nothing when it is not a valid date.
std::optional<int> dayOfStoredDate(std::string_view text);

// The Monday that begins the week of `day`: weeks run Monday to Sunday.
int mondayOf(int day);

// The day as the data files store a date, "yyyy/mm/dd".
std::string storedDateOf(int day);

} // namespace wordbloom
