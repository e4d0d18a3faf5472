// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/progress_window_maker.h"

#include <QString>

namespace wordbloom {

// A maker of the progress window that loads its library, the file at
// `libraryFile`, when it first makes the window; the library stays loaded
// until the program ends. If it cannot be loaded, making the window throws
// std::runtime_error naming the file and why.
ProgressWindowMaker progressWindowFromLibrary(const QString& libraryFile);

} // namespace wordbloom
