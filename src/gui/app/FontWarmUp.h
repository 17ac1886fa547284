// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while Qt connects to the display.
// Every window with text needs it, it takes milliseconds of parsing, and Qt would read it on the
// main thread at the first text laid out, after its own start-up: done beside that start-up, it
// is ready by then. The configuration is the C library's own and may be read from any thread.
class CFontWarmUp {
public:
    CFontWarmUp();
    ~CFontWarmUp(); // waits for the reading to end
    CFontWarmUp(const CFontWarmUp&) = delete;
    CFontWarmUp& operator=(const CFontWarmUp&) = delete;

private:
    std::thread m_thread;
};
