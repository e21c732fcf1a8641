#pragma once

#include <QString>

#include <optional>
#include <string>

// What a test needs of the machine: each check names the Debian package that is missing, or nothing.
namespace kivra::test {

using Shortfall = std::optional<std::string>;

Shortfall lacksProgram(const QString& program, const char* package);
Shortfall lacksFontFamily(const QString& family, const char* package);
// libwmf draws the text of a metafile with the URW base-35 Type 1 fonts.
Shortfall lacksMetafileFonts();

// The text of a PDF as pdftotext reads it, pages separated by form feeds; a failed test when it cannot.
QString pdfText(const QString& path);

} // namespace kivra::test

// Fails the current test with the shortfall's explanation when the machine falls short.
#define KIVRA_NEEDS(check)                                                                              \
    do {                                                                                                \
        if (const ::kivra::test::Shortfall kivraShortfall = (check))                                   \
            FAIL() << *kivraShortfall;                                                                  \
    } while (false)
