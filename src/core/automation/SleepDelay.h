// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Something that keeps the machine from sleeping or shutting down until it is let go (logind's
// "delay" lock), so that a call can be ended and saved first.
class SleepDelay {
public:
    virtual ~SleepDelay() = default;
    virtual void Hold() = 0;
    virtual void Release() = 0;
};
