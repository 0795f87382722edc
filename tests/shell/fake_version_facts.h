#pragma once

// Version facts of a described Windows system, for naming tests.

#include <map>

#include "shell/version_facts.h"

namespace shelltest {

struct FakeVersionFacts final : shell::VersionFacts {
  std::optional<shell::VersionRecord> record = shell::VersionRecord{};
  std::uint16_t architecture = 0;
  bool wow64 = false;
  shell::TrueVersionNumbers trueNumbers;
  std::uint32_t productInfoType = 0;
  int serverR2 = 0;
  std::map<shell::VersionRegistryValue, std::string> registry;
  mutable shell::TrueVersionNumbers productInfoAskedFor;

  std::optional<shell::VersionRecord> Record() const override { return record; }
  std::uint16_t ProcessorArchitecture() const override { return architecture; }
  bool RunsUnderWow64() const override { return wow64; }
  shell::TrueVersionNumbers TrueNumbers() const override { return trueNumbers; }
  std::uint32_t ProductInfoType(std::uint32_t major, std::uint32_t minor) const override {
    productInfoAskedFor = {major, minor, 0};
    return productInfoType;
  }
  int ServerR2Metric() const override { return serverR2; }
  std::string RegistryText(shell::VersionRegistryValue value) const override {
    const auto found = registry.find(value);
    return found == registry.end() ? std::string() : found->second;
  }
};

}  // namespace shelltest
