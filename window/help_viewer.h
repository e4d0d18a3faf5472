// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

namespace wordbloom {

// The game's help: Japanese HTML pages compiled in as resources, shown in a
// window of its own that never blocks the game.
class HelpViewer {
public:
    explicit HelpViewer(QString helpFile) : m_helpFile(std::move(helpFile)) {}

    // Opens the help at its first page, or brings the open help to the front.
    void open(QWidget* owner);
    // Closes every help window that was opened.
    void closeAll();

    QTextBrowser* window() const { return m_window.data(); }

private:
    QString m_helpFile;
    QPointer<QTextBrowser> m_window;
};

} // namespace wordbloom
