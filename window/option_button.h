// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

namespace wordbloom {

// An option button whose group Tab enters at the chosen option. Qt itself
// lets Tab stop at whichever option of a group last held the focus, which
// need not be the chosen one, so that a Space there would change the choice.
// The arrow keys still move through the group as usual.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    // Only the chosen option of the group is a Tab stop; with none chosen,
    // every option is.
    void moveTabStopToChosen();
};

} // namespace wordbloom
