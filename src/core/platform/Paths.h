// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where Corvellan keeps its files: the settings file in the user's configuration directory and
// Calls.log in the user's data directory. Both follow XDG_CONFIG_HOME and XDG_DATA_HOME; the state
// directory (XDG_STATE_HOME) holds the calls that could not be saved beside Calls.log.
class Paths {
public:
    // Reads the environment once.
    static Paths FromEnvironment();
    // stateDir empty: the configuration directory stands in for it.
    Paths(std::string configDir, std::string dataDir, std::string stateDir = "");

    const std::string& ConfigDir() const { return m_configDir; } // ends with '/'
    const std::string& DataDir() const { return m_dataDir; }     // ends with '/'
    std::string SettingsFile() const { return m_configDir + "Corvellan.ini"; }
    std::string CallLogFile() const { return m_dataDir + "Calls.log"; }
    std::string LockFile() const { return m_dataDir + "corvellan.lock"; }
    // The calls of ended billing periods, a file a period beside Calls.log.
    std::string HistoryDir() const { return m_dataDir + "history/"; }
    // Where the calls go that cannot be written beside Calls.log when the program ends, in the order
    // to try: under the state directory, else under the configuration directory. One folder per
    // data directory, so the calls of separate data directories never meet.
    std::vector<std::string> UnsavedDirs() const;
    // A short name of the data directory, the same in every run (16 hexadecimal digits).
    std::string DataKey() const;

private:
    std::string m_configDir;
    std::string m_dataDir;
    std::string m_stateDir;
};

// 16 hexadecimal digits that name text, the same in every run and every build. Two names of one
// user that met would be as unlikely as harmless (the second window would find the first's lock).
std::string StableKey(std::string_view text);
