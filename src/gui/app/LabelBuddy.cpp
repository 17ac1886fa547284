// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/LabelBuddy.h"

#include "core/settings/SettingsFields.h"

#include <QLabel>

QLabel* JoinLabel(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    if (field->accessibleName().isEmpty())
        field->setAccessibleName(WordsOf(label->text()));
    return label;
}

QString WordsOf(const QString& label) {
    return QString::fromStdString(LabelWords(label.toStdString()));
}
