// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Paths;

// A client of the window's control socket (corvellanctl's side): one request line, one reply line,
// all within kControlTimeout. It talks only to a window of its own user: the runtime folder must
// be its own and private, and so must the process at the other end.
class CControlClient {
public:
    enum class Outcome {
        Answered,   // text: the reply line
        NotRunning, // no window listens for this data folder
        NoAnswer,   // text: what went wrong before the request was sent whole: nothing was done
        Unanswered, // text: what went wrong after: the window may carry it out all the same (it may
                    // be busy, or its answer was lost)
        Failed,     // text: why the socket cannot be used
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        std::string text;
    };

    // The socket of the window that uses paths' data folder, in the runtime folder named by this
    // process's environment.
    explicit CControlClient(const Paths& paths);

    // line: one request line, its line break included.
    Result Ask(const std::string& line) const;

private:
    std::string m_runtimeDir;
    std::string m_dataDir;
};
