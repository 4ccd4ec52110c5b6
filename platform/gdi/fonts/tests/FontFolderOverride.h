// Points the font engine at another folder (KELVARA_FONT_DIR) for one test, then restores it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class FontFolderOverride {
public:
    explicit FontFolderOverride(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv(variable))
            m_old = old;
        setenv(variable, folder.c_str(), 1);
    }
    ~FontFolderOverride()
    {
        if (m_old)
            setenv(variable, m_old->c_str(), 1);
        else
            unsetenv(variable);
    }
    FontFolderOverride(const FontFolderOverride&) = delete;
    FontFolderOverride& operator=(const FontFolderOverride&) = delete;

private:
    static constexpr const char* variable = "KELVARA_FONT_DIR";
    std::optional<std::string> m_old;
};
