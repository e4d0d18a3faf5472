// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace wordbloom {

void nameControl(QWidget& control, const ControlDescription& described) {
    control.setAccessibleName(QString::fromUtf8(described.accessibleName));
    control.setAccessibleDescription(control.toolTip().isEmpty()
                                         ? QString::fromUtf8(described.accessibleDescription)
                                         : control.toolTip());
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        for (QWidget* part :
             {static_cast<QWidget*>(combo->lineEdit()), static_cast<QWidget*>(combo->view())}) {
            part->setAccessibleName(control.accessibleName());
            part->setAccessibleDescription(control.accessibleDescription());
        }
    }
}

QString nameWithValue(const QWidget& control, const QString& value) {
    const QString name =
        QString::fromUtf8(describedControl(control.objectName().toStdString()).accessibleName);
    return value.isEmpty() ? name : name + QLatin1Char(' ') + value;
}

} // namespace wordbloom
