// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Resources.h"

#include <QtGlobal>

static void RegisterOnce() {
    Q_INIT_RESOURCE(corvellan);
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(i18n);
}

void InitCorvellanResources() {
    static const bool registered = (RegisterOnce(), true);
    Q_UNUSED(registered);
}
