// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class CMonitor;
class Clock;

// The window's side of the control socket: carries out one request line against the monitor, the
// same object the window's button drives, so a start over the socket is the start of the button:
// the same record, save, figures and warnings. Until the monitor has read the month's calls, and
// once the window has ended, only raise and status are answered.
class CControlResponder {
public:
    struct Answer {
        std::string reply;  // without its line break
        bool raise = false; // the window is to come to the front
    };

    // Requests act on monitor from now on; status prices the running call at clock's time.
    void Serve(CMonitor& monitor, Clock& clock);
    // The window has ended; the monitor may go.
    void StopServing();

    Answer Respond(std::string_view line);

private:
    enum class Phase { Starting, Serving, Ending };

    std::string Start();
    std::string Stop();
    std::string Status() const;

    Phase m_phase = Phase::Starting;
    CMonitor* m_monitor = nullptr;
    Clock* m_clock = nullptr;
};
