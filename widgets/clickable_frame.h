// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace wordbloom {

// A frame that reports a click on its own background, and Escape pressed on a
// control inside it that does not use the key itself (an open drop-down list
// takes it to close). Tab and Shift+Tab go round its own controls only, never
// to those it covers.
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

signals:
    void clicked();
    void escapePressed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};

} // namespace wordbloom
