// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogue/prompter.h"

class QWidget;

namespace wordbloom {

// Shows the logic's messages as modal message boxes over the main window.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent) : m_parent(parent) {}
    MessageAnswer ask(const Message& message) override;

private:
    QWidget* m_parent;
};

} // namespace wordbloom
