#pragma once

// The facts that a readable Windows version name is composed from. Where they come from is a
// source that can be replaced: this platform's own source cannot read a Windows version, and
// tests hand in the facts of the systems they describe.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace shell {

// The extended version record as the system reports it.
struct VersionRecord {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::int32_t build = 0;
  std::uint32_t platformId = 0;
  std::string servicePack;  // may hold a NUL; only the text before it counts
  std::uint16_t servicePackMajor = 0;
  std::uint16_t servicePackMinor = 0;
  std::uint16_t suiteMask = 0;
  std::uint8_t productType = 0;  // 1: workstation
};

// The version numbers the kernel reports, which are not subject to compatibility shims.
struct TrueVersionNumbers {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;  // only its low 16 bits are the build number
};

// Values under the CurrentVersion key of the system's registry.
enum class VersionRegistryValue { ProductName, CsdVersion, CurrentBuild };

inline constexpr std::uint16_t kProcessorArchitectureAmd64 = 9;

class VersionFacts {
 public:
  virtual ~VersionFacts() = default;
  // Nothing when the version cannot be read.
  virtual std::optional<VersionRecord> Record() const = 0;
  virtual std::uint16_t ProcessorArchitecture() const = 0;
  virtual bool RunsUnderWow64() const = 0;
  virtual TrueVersionNumbers TrueNumbers() const = 0;
  // The product type number of the installed edition; 0 when none is known.
  virtual std::uint32_t ProductInfoType(std::uint32_t major, std::uint32_t minor) const = 0;
  // Non-zero on the R2 release of Server 2003.
  virtual int ServerR2Metric() const = 0;
  // The empty text when the value is missing.
  virtual std::string RegistryText(VersionRegistryValue value) const = 0;
};

// The source OsVersionName reads; this platform's own unless a test has replaced it.
const VersionFacts& CurrentVersionFacts();
// Replaces the source; nullptr restores this platform's own.
void SetVersionFactsSource(std::shared_ptr<const VersionFacts> source);

}  // namespace shell
