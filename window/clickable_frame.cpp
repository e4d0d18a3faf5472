#include "clickable_frame.h"

#include <QMouseEvent>

namespace wordbloom {

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace wordbloom
