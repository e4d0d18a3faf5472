// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace wordbloom {

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_composing && onEnter && onEnter(text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event) {
    m_composing = !event->preeditString().isEmpty();
    QLineEdit::inputMethodEvent(event);
}

} // namespace wordbloom
