#pragma once

#include "rtl/AnsiString.h"

#include <vector>

// An in-memory copy of a settings file of sections and entries. Names are looked up
// without regard to case, and where a name stands twice the last one counts. Lines it
// cannot look up (no "=") are kept as they are. Everything is bytes of code page 932.
class TMemIniFile {
public:
    // Reads the file; a missing file gives an empty object. Raises EFOpenError.
    explicit TMemIniFile(AnsiString fileName);

    // Decimal with a sign, or hexadecimal after "$", "x", "X", "0x", "0X"; else the default.
    int ReadInteger(const AnsiString& section, const AnsiString& ident, int fallback) const;
    AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                          const AnsiString& fallback) const;
    void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);

    // Writes the whole object back to its file. Raises EFCreateError or EWriteError.
    void UpdateFile() const;
    // The file as UpdateFile writes it: CR LF line ends, a blank line after each section.
    AnsiString Text() const;

private:
    struct Line {
        AnsiString text;  // as stored: "name=value" for an entry
        AnsiString name;  // the entry's name; empty for a line without "="
        bool isEntry = false;
    };
    struct Section {
        AnsiString name;
        std::vector<Line> lines;
    };

    void parse(const AnsiString& content);
    const Section* findSection(const AnsiString& name) const;
    Section* findSection(const AnsiString& name);
    static const Line* findEntry(const Section& section, const AnsiString& name);

    AnsiString fileName_;
    std::vector<Section> sections_;
};
