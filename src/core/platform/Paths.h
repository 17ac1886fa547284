#pragma once

#include <string>

// Where Corvellan keeps its files: the settings file in the user's configuration directory and
// Calls.log in the user's data directory. Both follow XDG_CONFIG_HOME and XDG_DATA_HOME.
class Paths {
public:
    // Reads the environment once.
    static Paths FromEnvironment();
    Paths(std::string configDir, std::string dataDir);

    const std::string& ConfigDir() const { return m_configDir; } // ends with '/'
    const std::string& DataDir() const { return m_dataDir; }     // ends with '/'
    std::string SettingsFile() const { return m_configDir + "Corvellan.ini"; }
    std::string CallLogFile() const { return m_dataDir + "Calls.log"; }
    std::string LockFile() const { return m_dataDir + "corvellan.lock"; }

private:
    std::string m_configDir;
    std::string m_dataDir;
};
