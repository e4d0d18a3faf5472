// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// The one check of a topic wherever one is used: the topic in the form the
// files keep it, or nothing after the player was told why it cannot be used.
std::optional<std::string> checkedTopic(Prompter& prompter, std::string_view topic);

} // namespace wordbloom
