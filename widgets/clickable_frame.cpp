// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clickable_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace wordbloom {

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

void ClickableFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit escapePressed();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool ClickableFrame::focusNextPrevChild(bool next) {
    QWidget* const from = window()->focusWidget();
    if (from == nullptr || !isAncestorOf(from)) {
        return QFrame::focusNextPrevChild(next);
    }
    // Along the window's tab order, round to the start, skipping everything
    // outside the frame and what Tab cannot reach.
    for (QWidget* to = from;;) {
        to = next ? to->nextInFocusChain() : to->previousInFocusChain();
        if (to == from) {
            return false;
        }
        if (isAncestorOf(to) && to->isVisible() && to->isEnabled() && to->focusProxy() == nullptr &&
            (to->focusPolicy() & Qt::TabFocus) != 0) {
            to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

} // namespace wordbloom
