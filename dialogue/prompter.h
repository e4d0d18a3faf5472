// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace wordbloom {

enum class MessageIcon { Critical, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// A modal message box: its text, title, icon and buttons. A box that asks
// before an action can name its buttons after what they do: okCaption for
// the OK button (the default, Return), cancelCaption for Cancel (Escape).
// Empty captions keep the standard ones.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
    std::string okCaption{};
    std::string cancelCaption{};

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
