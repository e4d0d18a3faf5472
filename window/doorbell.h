// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/descriptor.h"
#include "record/folder_lock.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// How a second copy of the game, started on a data folder in use, asks the
// running copy to bring its window to the front: a local datagram socket
// named from the user and the folder's identity, so that every path to the
// folder rings the same bell. The name lives in the kernel's abstract
// namespace: no file is made for it, and it goes when the running copy ends,
// however it ends.
class Doorbell {
public:
    // Starts listening for rings on the folder. Not listening when the name
    // is taken; the game then runs on without it.
    static Doorbell listen(const FolderIdentity& folder);

    bool listening() const { return m_socket.valid(); }
    // Readable while a ring waits.
    int descriptor() const { return m_socket.get(); }

    // Takes every ring that waits and gives the activation tokens they carry
    // (empty where a copy had none). Rings from other users are dropped.
    std::vector<std::string> takeRings() const;

private:
    explicit Doorbell(Descriptor socket) : m_socket(std::move(socket)) {}

    Descriptor m_socket;
};

// Rings the bell of the copy running on the folder, handing it the activation
// token this copy was started with, which lets a Wayland desktop give that
// copy the focus. False when no copy listens.
bool ringDoorbell(const FolderIdentity& folder, std::string_view activationToken);

} // namespace wordbloom
