#include "start_up_report.h"

#include "record/file_error.h"

#include <QMessageBox>

namespace wordbloom {

QString startUpReport(const std::exception& error, const QString& folder) {
    int number = 0;
    QString description = QString::fromStdString(error.what());
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        number = static_cast<int>(fileError->number());
        description = QStringLiteral("「%1」: %2")
                          .arg(QString::fromStdString(fileError->fileName()),
                               QString::fromStdString(fileError->description()));
    }
    return QStringLiteral("実行時エラー '%1':\n\n%2\n\nデータのフォルダー: %3\n\n"
                          "Wordbloom を終了します。")
        .arg(number)
        .arg(description, folder);
}

void showStartUpReport(const std::exception& error, const QString& folder) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Wordbloom"),
                    startUpReport(error, folder), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("startUpReport"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace wordbloom
