// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <filesystem>

class QMessageBox;

namespace wordbloom {

// The report of a start-up that could not finish: the error's number, what
// is wrong, and the folder the files were looked for in.
QString startUpReport(const std::exception& error, const QString& folder);

// Shows a box of a start that ends before the window is shown: modal, its
// text also written to the standard error stream for a player who started
// the game from a terminal. With WORDBLOOM_QUIT_AFTER_SHOW set, as for
// install checks, the box closes as soon as it is shown.
void showBeforeWindow(QMessageBox& box);

// Shows the report with showBeforeWindow.
void showStartUpReport(const std::exception& error, const QString& folder);

// The folder the game was started in. When it no longer exists, throws
// FileError naming the folder as the shell last knew it.
std::filesystem::path workingFolder();

} // namespace wordbloom
