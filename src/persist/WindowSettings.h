#pragma once

#include "persist/IniFile.h"

#include <memory>

namespace persist {

// What the settings see of the window: its outer frame's edges and the maker code.
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual int Top() const = 0;
    virtual int Left() const = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetLeft(int left) = 0;
    virtual AnsiString MakerCode() const = 0;
    virtual void SetMakerCode(const AnsiString& text) = 0;
    // The cursor is to start in the item code field.
    virtual void StartInItemCode() = 0;
};

// "Tovik.ini" in the folder of the running executable.
AnsiString SettingsPath(const AnsiString& executablePath);

// The settings object lives in `iniFile` only while each step runs, and is released
// when the step ends, whether it completed or not.
void RestoreWindow(SettingsWindow& window, std::unique_ptr<TMemIniFile>& iniFile,
                   const AnsiString& path);
void SaveWindow(const SettingsWindow& window, std::unique_ptr<TMemIniFile>& iniFile,
                const AnsiString& path);

} // namespace persist
