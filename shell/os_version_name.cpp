#include "shell/os_version_name.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace shell {
namespace {

// Suite-mask bits that tell editions apart.
constexpr std::uint16_t kSuiteEnterprise = 0x0002;
constexpr std::uint16_t kSuiteDatacenter = 0x0080;
constexpr std::uint16_t kSuitePersonal = 0x0200;
constexpr std::uint16_t kSuiteStorageServer = 0x2000;
constexpr std::uint16_t kSuiteHomeServer = 0x8000;

constexpr std::uint8_t kWorkstation = 1;

enum class When { Always, Workstation, SuiteBit, ServerR2, WorkstationOnAmd64 };

// One row of a first-match table: the version, the condition and the text it gives.
struct VersionRow {
  std::uint32_t major;
  std::uint32_t minor;
  When when;
  std::uint16_t suiteBit;
  std::string_view text;  // empty with fromProductName
  bool fromProductName = false;
};

constexpr std::array kNameRows{
    VersionRow{10, 0, When::Workstation, 0, "Windows 10"},
    VersionRow{10, 0, When::Always, 0, "", true},
    VersionRow{6, 0, When::Workstation, 0, "Windows Vista"},
    VersionRow{6, 0, When::Always, 0, "Windows Server 2008"},
    VersionRow{6, 1, When::Workstation, 0, "Windows 7"},
    VersionRow{6, 1, When::Always, 0, "Windows Server 2008 R2"},
    VersionRow{6, 2, When::Workstation, 0, "Windows 8"},
    VersionRow{6, 2, When::Always, 0, "Windows Server 2012"},
    VersionRow{6, 3, When::Workstation, 0, "Windows 8.1"},
    VersionRow{6, 3, When::Always, 0, "Windows Server 2012 R2"},
    VersionRow{5, 0, When::Always, 0, "Windows 2000"},
    VersionRow{5, 1, When::Always, 0, "Windows XP"},
    VersionRow{5, 2, When::ServerR2, 0, "Windows Server 2003 R2, "},
    VersionRow{5, 2, When::SuiteBit, kSuiteStorageServer, "Windows Storage Server 2003"},
    VersionRow{5, 2, When::SuiteBit, kSuiteHomeServer, "Windows Home Server"},
    VersionRow{5, 2, When::WorkstationOnAmd64, 0, "Windows XP Professional x64 Edition"},
    VersionRow{5, 2, When::Always, 0, "Windows Server 2003, "},
    VersionRow{4, 10, When::Always, 0, "Windows 98"},
};

// Editions of the systems before version 6, which report them through the suite mask.
constexpr std::array kSuiteEditionRows{
    VersionRow{5, 0, When::Workstation, 0, "Professional"},
    VersionRow{5, 0, When::SuiteBit, kSuiteDatacenter, "Datacenter Server"},
    VersionRow{5, 0, When::SuiteBit, kSuiteEnterprise, "Advanced Server"},
    VersionRow{5, 0, When::Always, 0, "Server"},
    VersionRow{5, 1, When::SuiteBit, kSuitePersonal, "Home Edition"},
    VersionRow{5, 1, When::Always, 0, "Professional"},
};

struct ProductEdition {
  std::uint32_t type;
  std::string_view edition;
};

// Editions of version 6 and later, by product type number.
constexpr std::array kProductEditions{
    ProductEdition{1, "Ultimate Edition"},
    ProductEdition{2, "Home Basic Edition"},
    ProductEdition{3, "Home Premium Edition"},
    ProductEdition{4, "Enterprise Edition"},
    ProductEdition{6, "Business Edition"},
    ProductEdition{7, "Standard"},
    ProductEdition{8, "Datacenter Edition"},
    ProductEdition{9, "Small Business Server"},
    ProductEdition{10, "Enterprise Edition"},
    ProductEdition{11, "Starter Edition"},
    ProductEdition{12, "Datacenter Edition (core installation)"},
    ProductEdition{13, "Standard Edition (core installation)"},
    ProductEdition{14, "Enterprise Edition (core installation)"},
    ProductEdition{15, "Enterprise Edition for Itanium-based Systems"},
    ProductEdition{16, "Business N"},
    ProductEdition{17, "Web Server (full installation)"},
    ProductEdition{18, "HPC Edition"},
    ProductEdition{19, "Windows Storage Server 2008 R2 Essentials"},
    ProductEdition{20, "Storage Server Express"},
    ProductEdition{21, "Storage Server Standard"},
    ProductEdition{22, "Storage Server Workgroup"},
    ProductEdition{23, "Storage Server Enterprise"},
    ProductEdition{25, "Small Business Server Premium Edition"},
    ProductEdition{48, "Professional"},
    ProductEdition{121, "Education"},
};

constexpr std::string_view kUnknownEditionPrefix = "获取失败，请检查版本:";

bool Holds(const VersionRow& row, const VersionRecord& record, const VersionFacts& facts,
           std::uint16_t architecture) {
  if (row.major != record.major || row.minor != record.minor) return false;
  switch (row.when) {
    case When::Always:
      return true;
    case When::Workstation:
      return record.productType == kWorkstation;
    case When::SuiteBit:
      return (record.suiteMask & row.suiteBit) != 0;
    case When::ServerR2:
      return facts.ServerR2Metric() != 0;
    case When::WorkstationOnAmd64:
      return record.productType == kWorkstation && architecture == kProcessorArchitectureAmd64;
  }
  return false;
}

template <typename Rows>
const VersionRow* FirstMatch(const Rows& rows, const VersionRecord& record,
                             const VersionFacts& facts, std::uint16_t architecture) {
  const auto row = std::find_if(rows.begin(), rows.end(), [&](const VersionRow& candidate) {
    return Holds(candidate, record, facts, architecture);
  });
  return row == rows.end() ? nullptr : &*row;
}

std::string ServicePackText(const VersionRecord& record, const VersionFacts& facts) {
  std::string text = record.servicePack.substr(0, record.servicePack.find('\0'));
  if (text.empty()) text = facts.RegistryText(VersionRegistryValue::CsdVersion);
  // Anything shorter cannot name a service pack.
  return text.size() < 3 ? std::string() : text;
}

std::string Suffix(const VersionRecord& record, const VersionFacts& facts,
                   VersionNameOptions options) {
  std::string suffix;
  if (options.includeServicePack) suffix = ServicePackText(record, facts);
  if (options.includeBuild) {
    const std::string build = record.build != 0
                                  ? std::to_string(record.build)
                                  : facts.RegistryText(VersionRegistryValue::CurrentBuild);
    suffix = suffix.empty() ? "Build:" + build : suffix + ",Build:" + build;
  }
  return suffix.empty() ? suffix : " (" + suffix + ")";
}

}  // namespace

std::string OsVersionName(const VersionFacts& facts, std::int32_t& majorVersion,
                          std::int32_t& minorVersion, VersionNameOptions options) {
  const std::optional<VersionRecord> reported = facts.Record();
  if (!reported) return {};
  VersionRecord record = *reported;

  const std::uint16_t architecture = facts.ProcessorArchitecture();
  const bool underWow64 = facts.RunsUnderWow64();
  // The record's numbers are those the compatibility shims make up; the kernel's are true.
  const TrueVersionNumbers trueNumbers = facts.TrueNumbers();
  record.major = trueNumbers.major;
  record.minor = trueNumbers.minor;
  record.build = static_cast<std::int16_t>(trueNumbers.build & 0xFFFF);
  majorVersion = static_cast<std::int32_t>(record.major);
  minorVersion = static_cast<std::int32_t>(record.minor);

  std::string name;
  std::string edition;
  if (const VersionRow* row = FirstMatch(kNameRows, record, facts, architecture)) {
    name = row->fromProductName ? facts.RegistryText(VersionRegistryValue::ProductName)
                                : std::string(row->text);
  }
  if (const VersionRow* row = FirstMatch(kSuiteEditionRows, record, facts, architecture)) {
    edition = row->text;
  }
  if (record.major >= 6) {
    const std::uint32_t type = facts.ProductInfoType(record.major, record.minor);
    const auto known = std::find_if(kProductEditions.begin(), kProductEditions.end(),
                                    [type](const ProductEdition& e) { return e.type == type; });
    if (known != kProductEditions.end()) {
      edition = known->edition;
    } else {
      edition.clear();
      name = std::string(kUnknownEditionPrefix) + std::to_string(record.major) + "." +
             std::to_string(record.minor);
    }
  }

  std::string text = name;
  if (options.includeEdition) {
    text += ' ';
    if (name.find(edition) == std::string::npos) text += edition;
  }
  // A 64-bit process on a 64-bit system does not run under WOW64, yet the system is x64.
  if (options.includeBitness) {
    text += underWow64 || architecture == kProcessorArchitectureAmd64 ? " x64" : " x86";
  }
  return text + Suffix(record, facts, options);
}

std::string OsVersionName(std::int32_t& majorVersion, std::int32_t& minorVersion,
                          bool includeEdition, bool includeBitness, bool includeServicePack,
                          bool includeBuild) {
  return OsVersionName(CurrentVersionFacts(), majorVersion, minorVersion,
                       {includeEdition, includeBitness, includeServicePack, includeBuild});
}

}  // namespace shell
