// SPDX-License-Identifier: GPL-3.0-or-later
#include "clickable_frame.h"

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

} // namespace wordbloom
