#pragma once

#include <functional>
#include <optional>
#include <string>

namespace aerolap {

/// Looks up an environment variable; nothing when it is not set. Passed in to the reading of the
/// settings, the one place that reads variables, so that tests can stand in for the process's own.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

/// The process environment.
std::optional<std::string> processEnvironment(const std::string& name);

} // namespace aerolap
