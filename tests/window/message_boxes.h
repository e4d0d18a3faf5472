// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace wordbloom::testing {

// Answers the next modal message box with `button` once it is up, and keeps
// its title, text and icon for the test to look at. `whileOpen` runs first,
// with the box still up.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

inline std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton button,
                                              const std::function<void()>& whileOpen = {}) {
    auto seen = std::make_shared<SeenBox>();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, button, whileOpen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        if (whileOpen) {
            whileOpen();
        }
        box->button(button)->click();
    });
    poll->start();
    return seen;
}

// Answers the next modal message box with a key press, as a player at the
// keyboard would (Return for the default button, Escape to cancel).
inline std::shared_ptr<SeenBox> pressInNextBox(Qt::Key key) {
    auto seen = std::make_shared<SeenBox>();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Keys reach a box once it is the active window. A box stays the
        // active modal one until its event loop ends: another waiting answer
        // must not take the one just answered for the next.
        if (box == nullptr || !box->isActiveWindow() || box->property("answered").toBool()) {
            return;
        }
        box->setProperty("answered", true);
        poll->stop();
        poll->deleteLater();
        seen->title = box->windowTitle();
        seen->text = box->text();
        QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
    });
    poll->start();
    return seen;
}

} // namespace wordbloom::testing
