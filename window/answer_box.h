// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>

namespace wordbloom {

// The answer box. Enter hands the text to the game; an Enter that only
// commits an input method's composition never submits an answer.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // Called with the box's text on Enter; returns true when it took the key.
    std::function<bool(const QString&)> onEnter;

    bool composing() const { return m_composing; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool m_composing = false;
};

} // namespace wordbloom
