// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pick_list_combo_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>

namespace wordbloom {

PickListComboBox::PickListComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_fromList) {
            emit picked(index);
        }
    });
}

void PickListComboBox::followShownText() {
    const QString shown = currentText();
    const int index = findText(shown);
    if (index == currentIndex()) {
        return;
    }
    // A new current index is no pick: only `activated` makes one.
    setCurrentIndex(index);
    setEditText(shown);
}

void PickListComboBox::showPopup() {
    followShownText();
    m_fromList = true;
    QComboBox::showPopup();
}

void PickListComboBox::hidePopup() {
    QComboBox::hidePopup();
    // The pick that closed the list is announced right after this returns.
    QTimer::singleShot(0, this, [this] { m_fromList = false; });
}

void PickListComboBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool stepsThroughList = key == Qt::Key_Up || key == Qt::Key_Down ||
                                  key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (!stepsThroughList || m_fromList) {
        QComboBox::keyPressEvent(event);
        return;
    }
    followShownText();
    m_fromList = true;
    QComboBox::keyPressEvent(event);
    m_fromList = view()->isVisible();
}

void PickListComboBox::wheelEvent(QWheelEvent* event) {
    const bool before = m_fromList;
    followShownText();
    m_fromList = true;
    QComboBox::wheelEvent(event);
    m_fromList = before;
}

} // namespace wordbloom
