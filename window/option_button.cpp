// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_button.h"

#include <QList>

#include <algorithm>

namespace wordbloom {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::toggled, this, [this] { moveTabStopToChosen(); });
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    moveTabStopToChosen();
}

void OptionButton::moveTabStopToChosen() {
    if (parentWidget() == nullptr) {
        return;
    }
    const QList<OptionButton*> group =
        parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    const bool anyChosen = std::any_of(
        group.begin(), group.end(), [](const OptionButton* option) { return option->isChecked(); });
    for (OptionButton* option : group) {
        const bool tabStop = option->isChecked() || !anyChosen;
        option->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace wordbloom
