// SPDX-License-Identifier: GPL-3.0-or-later
#include "doorbell.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace wordbloom {

namespace {

// A token is a short text; a longer ring is no ring of ours.
constexpr std::size_t kLongestRing = 4096;

struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
};

// "\0wordbloom/<uid>/<device>/<inode>": the leading zero byte puts the name in
// the abstract namespace.
Address addressOf(const FolderIdentity& folder) {
    const std::string name = "wordbloom/" + std::to_string(::getuid()) + "/" +
                             std::to_string(folder.device) + "/" + std::to_string(folder.inode);
    Address result;
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path + 1, name.data(), name.size());
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return result;
}

Descriptor datagramSocket() {
    return Descriptor(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

// The user who sent a datagram, as the kernel vouches for it.
bool fromThisUser(msghdr& message) {
    for (cmsghdr* part = CMSG_FIRSTHDR(&message); part != nullptr;
         part = CMSG_NXTHDR(&message, part)) {
        if (part->cmsg_level == SOL_SOCKET && part->cmsg_type == SCM_CREDENTIALS) {
            ucred sender{};
            std::memcpy(&sender, CMSG_DATA(part), sizeof sender);
            return sender.uid == ::getuid();
        }
    }
    return false;
}

} // namespace

Doorbell Doorbell::listen(const FolderIdentity& folder) {
    Descriptor socket = datagramSocket();
    const Address address = addressOf(folder);
    const int on = 1;
    if (!socket.valid() ||
        ::setsockopt(socket.get(), SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0 ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address.address), address.length) !=
            0) {
        return Doorbell(Descriptor(-1));
    }
    return Doorbell(std::move(socket));
}

std::vector<std::string> Doorbell::takeRings() const {
    std::vector<std::string> tokens;
    std::array<char, kLongestRing> text{};
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(ucred))> control{};
    while (listening()) {
        iovec part{text.data(), text.size()};
        msghdr message{};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control.data();
        message.msg_controllen = control.size();
        const ssize_t got = ::recvmsg(m_socket.get(), &message, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            break;
        }
        if (fromThisUser(message) && (message.msg_flags & MSG_TRUNC) == 0) {
            tokens.emplace_back(text.data(), static_cast<std::size_t>(got));
        }
    }
    return tokens;
}

bool ringDoorbell(const FolderIdentity& folder, std::string_view activationToken) {
    const Descriptor socket = datagramSocket();
    const Address address = addressOf(folder);
    return socket.valid() && activationToken.size() <= kLongestRing &&
           ::sendto(socket.get(), activationToken.data(), activationToken.size(), MSG_NOSIGNAL,
                    reinterpret_cast<const sockaddr*>(&address.address), address.length) >= 0;
}

} // namespace wordbloom
