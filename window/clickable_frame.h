#pragma once

#include <QFrame>

namespace wordbloom {

// A frame that reports a click on its own background.
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace wordbloom
