// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>

class QPoint;
class QWidget;

namespace wordbloom {

// The key that opens the progress window on the topic on screen.
inline const QKeySequence kProgressShortcut{QStringLiteral("Ctrl+G")};

// The context menu of the play history and the topic panel: one entry that
// opens the progress window, with its shortcut shown beside it. `open` runs
// when the entry is chosen.
void offerProgressMenu(QWidget* owner, const QPoint& globalPosition,
                       const std::function<void()>& open);

} // namespace wordbloom
