// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

// A label joined to the field it names: its mnemonic (Alt and its underlined letter) moves the
// focus to the field, and the field is named by the label's words unless it has a name already.
QLabel* JoinLabel(QLabel* label, QWidget* field);
// The words of a label, as LabelWords gives them.
QString WordsOf(const QString& label);
