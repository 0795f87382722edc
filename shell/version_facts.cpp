#include "shell/version_facts.h"

#include <utility>

namespace shell {
namespace {

// This platform is not Windows: there is no version record to read, so every name is empty.
class UnreadableVersionFacts final : public VersionFacts {
 public:
  std::optional<VersionRecord> Record() const override { return std::nullopt; }
  std::uint16_t ProcessorArchitecture() const override { return 0; }
  bool RunsUnderWow64() const override { return false; }
  TrueVersionNumbers TrueNumbers() const override { return {}; }
  std::uint32_t ProductInfoType(std::uint32_t, std::uint32_t) const override { return 0; }
  int ServerR2Metric() const override { return 0; }
  std::string RegistryText(VersionRegistryValue) const override { return {}; }
};

std::shared_ptr<const VersionFacts>& Replacement() {
  static std::shared_ptr<const VersionFacts> source;
  return source;
}

}  // namespace

const VersionFacts& CurrentVersionFacts() {
  static const UnreadableVersionFacts platformFacts;
  const auto& replacement = Replacement();
  return replacement ? *replacement : platformFacts;
}

void SetVersionFactsSource(std::shared_ptr<const VersionFacts> source) {
  Replacement() = std::move(source);
}

}  // namespace shell
