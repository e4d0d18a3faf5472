// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace wordbloom {

// The time bar's front part: a filled rectangle whose width shows the share of
// the play time that is left. Screen readers see it as a progress bar whose
// value is that share in per cent, announced as the bar shrinks.
class TimeBar : public QFrame {
    Q_OBJECT
public:
    explicit TimeBar(QWidget* parent = nullptr);

    // The share of the time left, 0 to 100: the bar's width against its
    // width as laid out (its "twips" place).
    int percentLeft() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The bar's width in twips for the seconds left of the game's length, against
// its full width: worked out in double precision in this order and rounded
// down.
int timeBarTwips(int secondsLeft, int gameLength, int fullTwips);

} // namespace wordbloom
