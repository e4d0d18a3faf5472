// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer.h"

#include <QTextBrowser>
#include <QUrl>

namespace wordbloom {

void HelpViewer::open(QWidget* owner) {
    if (!m_window) {
        m_window = new QTextBrowser(owner);
        m_window->setWindowFlag(Qt::Window);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setObjectName(QStringLiteral("helpWindow"));
        m_window->setWindowTitle(QStringLiteral("Wordbloom ヘルプ"));
        m_window->setOpenLinks(true);
        m_window->resize(600, 520);
    }
    m_window->setSource(QUrl(m_helpFile));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HelpViewer::closeAll() {
    if (m_window) {
        m_window->close();
    }
}

} // namespace wordbloom
