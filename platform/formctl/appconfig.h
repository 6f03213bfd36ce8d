#pragma once
// The configuration file: "KEY=value" lines read once into registered
// fields. Text keys fill CString fields, yes/no keys fill bool fields.

#include <map>
#include <string>

#include "cstring.h"

class CAppConfig
{
public:
    CAppConfig() = default;
    virtual ~CAppConfig() = default;
    CAppConfig(const CAppConfig&) = delete;
    CAppConfig& operator=(const CAppConfig&) = delete;

    // Reads the file (UTF-8 path), sets each registered field whose key it
    // holds, then calls afterReadConfigFile. False, and nothing changed, when
    // the file cannot be read. Syntax: one KEY=value per line; blank lines,
    // lines starting with '#' or ';' and [section] lines are ignored; keys
    // match exactly; yes/no values are yes/no, true/false, on/off or 1/0.
    bool readConfigFile(const char* path);
    virtual void afterReadConfigFile() {}

    void registerTextKey(const std::string& key, CString* field) { m_textKeys[key] = field; }
    void registerYesNoKey(const std::string& key, bool* field) { m_yesNoKeys[key] = field; }
    const std::map<std::string, CString*>& textKeys() const { return m_textKeys; }
    const std::map<std::string, bool*>& yesNoKeys() const { return m_yesNoKeys; }

    // The application purpose the configuration serves (1 EFILE, 2 NETFILE).
    int getMode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }

    static bool isPlatformWindows() { return false; }

private:
    std::map<std::string, CString*> m_textKeys;
    std::map<std::string, bool*> m_yesNoKeys;
    int m_mode = 2;
};
