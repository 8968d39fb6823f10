// A user's locale for a test, set for the whole process as Qt sets it when the
// application starts (setlocale(LC_ALL, "")). The locale is built from the system's
// locale sources with localedef into a folder of the test process's own and found
// through LOCPATH, so that no locale has to be installed. When the object goes, the
// process is back in the C locale and LOCPATH as it was.
#pragma once

#include <optional>
#include <string>

class UserLocale {
public:
    // name: "de_DE.UTF-8", built from the source "de_DE" and the character map "UTF-8".
    explicit UserLocale(const std::string& name);
    ~UserLocale();
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

    // The name without its character map, "de_DE", as a test case is named after it.
    static std::string ShortName(const std::string& name) { return name.substr(0, name.find('.')); }

    // Empty once the locale is in effect; otherwise why it is not.
    const std::string& Failure() const { return m_failure; }

private:
    std::string m_failure;
    std::optional<std::string> m_previousLocpath;
};
