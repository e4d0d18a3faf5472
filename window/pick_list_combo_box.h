#pragma once

#include <QComboBox>

namespace wordbloom {

// An editable combo box that tells a pick from its list apart from typing:
// `picked` comes only when the player chooses an item from the drop-down
// list or steps through the items with the arrow keys, never when typed text
// happens to match an item or when the text is set from code.
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
    bool m_fromList = false;
};

} // namespace wordbloom
