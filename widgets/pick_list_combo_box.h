// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace wordbloom {

// An editable combo box that tells a pick from its list apart from typing:
// `picked` comes only when the player chooses an item from the drop-down
// list or steps through the items with the arrow keys, never when typed text
// happens to match an item or when the text is set from code. The arrow keys
// and the list start from the item the box shows, however its text got
// there.
class PickListComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickListComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    void picked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Makes the item that matches the shown text the current one, or none
    // when no item matches, keeping the text.
    void followShownText();

    bool m_fromList = false;
};

} // namespace wordbloom
