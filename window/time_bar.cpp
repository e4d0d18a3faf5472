// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_bar.h"

#include "widgets/units.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QVariant>

#include <cmath>

namespace wordbloom {

namespace {

class TimeBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TimeBarAccessible(TimeBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return QStringLiteral("%1%").arg(bar().percentLeft());
        }
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar().percentLeft(); }
    // Only the play clock moves the bar.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const TimeBar& bar() const { return *static_cast<const TimeBar*>(object()); }
};

QAccessibleInterface* timeBarAccessible(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<TimeBar*>(object)) {
        return new TimeBarAccessible(bar);
    }
    return nullptr;
}

} // namespace

TimeBar::TimeBar(QWidget* parent) : QFrame(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(timeBarAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

int TimeBar::percentLeft() const {
    const int full = pixelsFromTwips(property("twips").toRect().width());
    if (full <= 0) {
        return 0;
    }
    return static_cast<int>(std::lround(100.0 * width() / full));
}

void TimeBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    QAccessibleValueChangeEvent changed(this, percentLeft());
    QAccessible::updateAccessibility(&changed);
}

int timeBarTwips(int secondsLeft, int gameLength, int fullTwips) {
    return static_cast<int>(
        std::floor(static_cast<double>(secondsLeft) / gameLength * 100.0 * fullTwips / 100.0));
}

} // namespace wordbloom
