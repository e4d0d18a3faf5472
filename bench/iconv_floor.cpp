// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconv_floor.h"

#include <stdexcept>

namespace wordbloom::bench {

IconvFloor::IconvFloor() : m_cd(::iconv_open("UTF-8", "CP932")) {
    // iconv_open reports failure as (iconv_t)-1.
    if (m_cd == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
        throw std::runtime_error("iconv cannot convert CP932");
    }
}

IconvFloor::~IconvFloor() {
    ::iconv_close(m_cd);
}

std::size_t IconvFloor::decode(std::string_view bytes) {
    // Three UTF-8 bytes per code page byte is the most any input can need.
    if (m_out.size() < bytes.size() * 3) {
        m_out.resize(bytes.size() * 3);
    }
    ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = m_out.data();
    std::size_t outLeft = m_out.size();
    if (::iconv(m_cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("the data is not code page 932");
    }
    return m_out.size() - outLeft;
}

} // namespace wordbloom::bench
