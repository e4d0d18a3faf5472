// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box_prompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace wordbloom {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageAnswer MessageBoxPrompter::ask(const Message& message) {
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text),
                    message.buttons == MessageButtons::OkCancel
                        ? QMessageBox::Ok | QMessageBox::Cancel
                        : QMessageBox::Ok,
                    m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    // Named buttons keep the roles of OK and Cancel: Return and Escape.
    const auto name = [&box](QMessageBox::StandardButton button, const std::string& caption) {
        if (!caption.empty() && box.button(button) != nullptr) {
            box.button(button)->setText(QString::fromStdString(caption));
        }
    };
    name(QMessageBox::Ok, message.okCaption);
    name(QMessageBox::Cancel, message.cancelCaption);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace wordbloom
