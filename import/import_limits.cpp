// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_limits.h"

#include "incoming.h"
#include "dialogue/messages.h"

#include <algorithm>

namespace wordbloom {

std::size_t expansionLimit(std::size_t archiveSize) {
    const std::size_t byRatio = archiveSize > kImportCeiling / kExpansionRatio
                                    ? kImportCeiling
                                    : archiveSize * kExpansionRatio;
    return std::min(kImportCeiling, std::max(kExpansionFloor, byRatio));
}

void ReadBudget::spend(std::size_t bytes) {
    if (bytes > m_left) {
        throw ImportRefused(reason::importTooLarge(m_limit));
    }
    m_left -= bytes;
}

} // namespace wordbloom
