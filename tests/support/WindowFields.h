// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/monitor/ValueField.h"

#include <string>

// The text a value of the monitor window shows.
inline std::string FieldText(const QWidget& window, const char* name) {
    return window.findChild<CValueField*>(QString::fromLatin1(name))->Text().toStdString();
}
