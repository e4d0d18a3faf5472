// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_library.h"

#include <QLibrary>

#include <stdexcept>

namespace wordbloom {

ProgressWindowMaker progressWindowFromLibrary(const QString& libraryFile) {
    return [libraryFile](QWidget* parent, const ProgressChoices& choices) {
        // A QLibrary leaves its library loaded when it goes; the window's
        // code stays until the program ends.
        QLibrary library(libraryFile);
        const auto make =
            reinterpret_cast<ProgressWindowEntry>(library.resolve(kProgressWindowEntry));
        if (make == nullptr) {
            throw std::runtime_error(library.errorString().toStdString());
        }
        return make(parent, &choices);
    };
}

} // namespace wordbloom
