// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up_report.h"

#include "dialogue/messages.h"
#include "record/file_error.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace wordbloom {

QString startUpReport(const std::exception& error, const QString& folder) {
    int number = 0;
    std::string description = error.what();
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        number = static_cast<int>(fileError->number());
        description = "「" + fileError->fileName() + "」: " + fileError->description();
    }
    return QString::fromStdString(startUpReportText(number, description, folder.toStdString()));
}

void showBeforeWindow(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    std::fprintf(stderr, "%s\n", box.text().toLocal8Bit().constData());
    if (qEnvironmentVariableIsSet("WORDBLOOM_QUIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &box, &QMessageBox::accept);
    }
    box.exec();
}

void showStartUpReport(const std::exception& error, const QString& folder) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Wordbloom"),
                    startUpReport(error, folder), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("startUpReport"));
    showBeforeWindow(box);
}

std::filesystem::path workingFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        const char* known = std::getenv("PWD");
        throw FileError(ErrorNumber::PathNotFound, known != nullptr ? known : ".",
                        reason::kWorkingFolderGone);
    }
    return folder;
}

} // namespace wordbloom
