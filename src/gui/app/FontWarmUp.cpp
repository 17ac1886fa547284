// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

CFontWarmUp::CFontWarmUp() : m_thread([] { FcInit(); }) {}

CFontWarmUp::~CFontWarmUp() {
    if (m_thread.joinable())
        m_thread.join();
}
