// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_menu.h"

#include <QMenu>

namespace wordbloom {

void offerProgressMenu(QWidget* owner, const QPoint& globalPosition,
                       const std::function<void()>& open) {
    QMenu menu(owner);
    menu.setObjectName(QStringLiteral("progressMenu"));
    QAction* show = menu.addAction(QStringLiteral("成績を表示(&G)"));
    show->setObjectName(QStringLiteral("showProgress"));
    show->setShortcut(kProgressShortcut);
    if (menu.exec(globalPosition) == show) {
        open();
    }
}

} // namespace wordbloom
