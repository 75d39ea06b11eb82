#pragma once

#include "app/Settings.h"
#include "platform/Environment.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace aerolap {

/// The outcome of reading the arguments: either the settings, or what to print and the status to
/// exit with (0 after --help or --version, 2 after a bad option or value, with the usage).
struct ParsedCommandLine {
    std::optional<Settings> settings;
    std::string message;
    int exitStatus = 0;
};

/// The settings, each from its option over its variable in `environment` over its default, as
/// `settingDeclarations` declares them; --help is made from the same declarations. A variable
/// whose value a setting does not take is named on `warnings`, and the default stands.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments,
                                   const EnvironmentLookup& environment, std::ostream& warnings);

} // namespace aerolap
