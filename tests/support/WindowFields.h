#pragma once

#include "gui/monitor/AmountField.h"

#include <QLineEdit>
#include <string>

// The text a field of the monitor window shows, whichever kind of field it is.
inline std::string FieldText(const QWidget& window, const char* name) {
    const QString objectName = QString::fromLatin1(name);
    if (const auto* amount = window.findChild<CAmountField*>(objectName))
        return amount->Text().toStdString();
    return window.findChild<QLineEdit*>(objectName)->text().toStdString();
}
