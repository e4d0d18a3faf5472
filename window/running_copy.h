// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doorbell.h"
#include "record/folder_lock.h"

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace wordbloom {

// Keeps one copy of the game per data folder: two copies on one folder would
// number their games alike and log every answer twice.
class RunningCopy {
public:
    RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;
    ~RunningCopy();

    // Claims the data folder for this copy; call it before any data file is
    // read. When a running copy has the folder already, asks that copy to
    // bring its window to the front, says so in a box that names the folder,
    // and returns false: the program then ends without reading or writing a
    // data file. Where the folder cannot be locked, says so on the standard
    // error stream and returns true.
    bool claim(const std::filesystem::path& folder);

    // From now on, a second copy started on the folder brings this window
    // (or the box it waits on) to the front, where the desktop allows.
    void bringForwardOnRequest(QWidget& window);

private:
    void bringForward(const std::vector<std::string>& tokens);

    std::optional<FolderLock> m_lock;
    std::optional<Doorbell> m_doorbell;
    std::unique_ptr<QSocketNotifier> m_rings;
    QPointer<QWidget> m_window;
};

} // namespace wordbloom
