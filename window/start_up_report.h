#pragma once

#include <QString>
#include <exception>

namespace wordbloom {

// The report of a start-up that could not finish: the error's number, what
// is wrong, and the folder the files were looked for in.
QString startUpReport(const std::exception& error, const QString& folder);

// Shows the report in a modal message box.
void showStartUpReport(const std::exception& error, const QString& folder);

} // namespace wordbloom
