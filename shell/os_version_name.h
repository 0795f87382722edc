#pragma once

// A readable name of the running Windows version ("Windows 7"), optionally with its edition,
// bitness, service pack and build ("Windows 7 Ultimate Edition x64 (Service Pack 1,Build:7601)").
// majorVersion and minorVersion receive the true version numbers; when the version cannot be
// read they stay untouched and the name is empty, which is always the case on this platform.

#include <cstdint>
#include <string>

#include "shell/version_facts.h"

namespace shell {

struct VersionNameOptions {
  bool includeEdition = false;
  bool includeBitness = false;
  bool includeServicePack = false;
  bool includeBuild = false;
};

// Reads the current source of version facts.
std::string OsVersionName(std::int32_t& majorVersion, std::int32_t& minorVersion,
                          bool includeEdition = false, bool includeBitness = false,
                          bool includeServicePack = false, bool includeBuild = false);

std::string OsVersionName(const VersionFacts& facts, std::int32_t& majorVersion,
                          std::int32_t& minorVersion, VersionNameOptions options);

}  // namespace shell
