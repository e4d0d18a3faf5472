// SPDX-License-Identifier: GPL-3.0-or-later
#include "running_copy.h"

#include "dialogue/messages.h"
#include "start_up_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>

namespace wordbloom {

namespace {

// A Wayland desktop lets a window take the focus only with a token from the
// player's click; the second copy was started with one.
constexpr const char* kActivationToken = "XDG_ACTIVATION_TOKEN";

void showAnotherCopyRunning(const std::filesystem::path& folder) {
    const Message message = anotherCopyRunningMessage(folder.string());
    QMessageBox box(QMessageBox::Information, QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("anotherCopyRunning"));
    showBeforeWindow(box);
}

void raise(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

RunningCopy::RunningCopy() = default;
RunningCopy::~RunningCopy() = default;

bool RunningCopy::claim(const std::filesystem::path& folder) {
    m_lock = FolderLock::take(folder);
    switch (m_lock->state()) {
    case FolderLock::State::Held:
        // Listening starts at once, so that a copy started while this one
        // still reads its files finds the bell.
        m_doorbell = Doorbell::listen(m_lock->identity());
        return true;
    case FolderLock::State::HeldByAnotherCopy:
        ringDoorbell(m_lock->identity(), qEnvironmentVariable(kActivationToken).toStdString());
        showAnotherCopyRunning(folder);
        return false;
    case FolderLock::State::Unavailable:
        break;
    }
    std::fprintf(stderr,
                 "wordbloom: データのフォルダー %s をロックできません（%s）。"
                 "同じフォルダーで起動した二つ目の Wordbloom には気づけません。\n",
                 folder.c_str(), std::strerror(m_lock->failure()));
    return true;
}

void RunningCopy::bringForwardOnRequest(QWidget& window) {
    m_window = &window;
    if (!m_doorbell || !m_doorbell->listening() || m_rings) {
        return;
    }
    m_rings = std::make_unique<QSocketNotifier>(m_doorbell->descriptor(), QSocketNotifier::Read);
    QObject::connect(m_rings.get(), &QSocketNotifier::activated,
                     [this] { bringForward(m_doorbell->takeRings()); });
    // A ring that came during start-up is answered now.
    bringForward(m_doorbell->takeRings());
}

void RunningCopy::bringForward(const std::vector<std::string>& tokens) {
    if (tokens.empty() || m_window == nullptr) {
        return;
    }
    if (!tokens.back().empty()) {
        qputenv(kActivationToken, QByteArray::fromStdString(tokens.back()));
    }
    raise(*m_window);
    // A box the player has yet to answer stays in front of the window.
    if (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box != m_window) {
        raise(*box);
    }
}

} // namespace wordbloom
