#pragma once
// The folder the program keeps "Untitled.htm", its snippet libraries
// (script/), language files (lang/) and settings file in. Next to the
// executable when that folder holds script/ (a build tree or a portable
// unpack); otherwise the per-user data folder, seeded with the shipped
// defaults it lacks.

#include <string>

namespace tessaly {

// The program directory, ending with the delimiter. Resolved (and, for the
// per-user folder, created and seeded) on first use.
std::string ProgramDirectory();
// Uses `directory` instead, treated as on a first start: created, and the
// shipped defaults it lacks copied in. For the window driver and tests.
void SetProgramDirectory(const std::string& directory);
// The settings file: the program directory + "tessaly.ini".
std::string SettingsFileName();

// Where the shipped defaults are: the executable's folder when it holds
// script/, else the installed share/tessaly/ beside its bin/ folder.
std::string ShippedDefaultsDirectory(const std::string& executableDirectory);
// The program directory for an executable folder and the user's environment
// ($XDG_DATA_HOME, $HOME; either may be empty).
std::string ResolveProgramDirectory(const std::string& executableDirectory, const std::string& dataHome,
                                    const std::string& home);
// Creates `directory` and copies every file of `defaults` (recursively) that
// is missing there; files already present are never overwritten.
void SeedProgramDirectory(const std::string& directory, const std::string& defaults);

}  // namespace tessaly
