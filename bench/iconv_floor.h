// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iconv.h>
#include <string>
#include <string_view>

namespace wordbloom::bench {

// The floor for reading a data file: the C library's iconv turning the file's
// bytes, already in memory, from code page 932 into UTF-8 in one call over the
// whole buffer, into an output buffer made once beforehand. No reader of these
// files can do less than decode every byte.
class IconvFloor {
public:
    IconvFloor();
    IconvFloor(const IconvFloor&) = delete;
    IconvFloor& operator=(const IconvFloor&) = delete;
    ~IconvFloor();

    // Decodes the bytes; returns the number of UTF-8 bytes made.
    std::size_t decode(std::string_view bytes);

private:
    iconv_t m_cd;
    std::string m_out;
};

} // namespace wordbloom::bench
