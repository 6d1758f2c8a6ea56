#include "persist/WindowSettings.h"

#include "rtl/Paths.h"

namespace persist {

namespace {

const AnsiString Section = "tovik";
constexpr std::size_t CompleteMakerCode = 7;

struct ReleaseAtEnd {
    std::unique_ptr<TMemIniFile>& iniFile;
    ~ReleaseAtEnd() { iniFile.reset(); }
};

} // namespace

AnsiString SettingsPath(const AnsiString& executablePath)
{
    return ExtractFilePath(executablePath) + "Tovik.ini";
}

void RestoreWindow(SettingsWindow& window, std::unique_ptr<TMemIniFile>& iniFile,
                   const AnsiString& path)
{
    ReleaseAtEnd release{iniFile};
    iniFile = std::make_unique<TMemIniFile>(path);
    window.SetTop(iniFile->ReadInteger(Section, "Top", window.Top()));
    window.SetLeft(iniFile->ReadInteger(Section, "Left", window.Left()));
    window.SetMakerCode(iniFile->ReadString(Section, "Edit1", window.MakerCode()));
    // Exactly seven: a longer code restored from a hand-edited file starts in the maker code.
    if (window.MakerCode().size() == CompleteMakerCode)
        window.StartInItemCode();
}

void SaveWindow(const SettingsWindow& window, std::unique_ptr<TMemIniFile>& iniFile,
                const AnsiString& path)
{
    ReleaseAtEnd release{iniFile};
    iniFile = std::make_unique<TMemIniFile>(path);
    iniFile->WriteInteger(Section, "Top", window.Top());
    iniFile->WriteInteger(Section, "Left", window.Left());
    iniFile->WriteString(Section, "Edit1", window.MakerCode());
    iniFile->UpdateFile();
}

} // namespace persist
