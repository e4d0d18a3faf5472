// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace wordbloom {

enum class MessageIcon { Critical, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// A modal message box: its text, title, icon and buttons.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;

    bool operator==(const Message&) const = default;
};

// How the logic asks the player something or tells them something. Only an OK
// answer counts as OK: Cancel and closing the box are both Cancel.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MessageAnswer ask(const Message& message) = 0;
};

} // namespace wordbloom
