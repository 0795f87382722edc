#include "shell/os_version_name.h"

#include <array>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "tests/shell/fake_version_facts.h"

namespace {

using shell::VersionNameOptions;
using shell::VersionRegistryValue;
using shelltest::FakeVersionFacts;

constexpr VersionNameOptions kAllOff{};
constexpr VersionNameOptions kEditionOnly{true, false, false, false};
constexpr VersionNameOptions kAllOn{true, true, true, true};

// A system as the version calls describe it; the record reports the same numbers as the kernel.
struct System {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint8_t productType = 1;
  std::uint16_t suiteMask = 0;
  std::uint16_t architecture = 0;
  int serverR2 = 0;
  std::uint32_t productInfoType = 1;
  const char* productName = "";
};

FakeVersionFacts FactsOf(const System& system) {
  FakeVersionFacts facts;
  facts.record->major = system.major;
  facts.record->minor = system.minor;
  facts.record->productType = system.productType;
  facts.record->suiteMask = system.suiteMask;
  facts.architecture = system.architecture;
  facts.serverR2 = system.serverR2;
  facts.trueNumbers = {system.major, system.minor, 0};
  facts.productInfoType = system.productInfoType;
  facts.registry[VersionRegistryValue::ProductName] = system.productName;
  return facts;
}

std::string NameOf(const FakeVersionFacts& facts, VersionNameOptions options) {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  return shell::OsVersionName(facts, major, minor, options);
}

struct NameCase {
  const char* what;
  System system;
  const char* nameWithEdition;
};

constexpr std::array kNameCases{
    NameCase{"10.0 workstation", {10, 0, 1, 0, 0, 0, 48}, "Windows 10 Professional"},
    NameCase{"10.0 server names itself; edition already in the name",
             {10, 0, 3, 0, 0, 0, 7, "Windows Server 2019 Standard"},
             "Windows Server 2019 Standard "},
    NameCase{"6.0 workstation", {6, 0, 1, 0, 0, 0, 3}, "Windows Vista Home Premium Edition"},
    NameCase{"6.0 server", {6, 0, 3, 0, 0, 0, 8}, "Windows Server 2008 Datacenter Edition"},
    NameCase{"6.1 workstation", {6, 1, 1, 0, 0, 0, 1}, "Windows 7 Ultimate Edition"},
    NameCase{"6.1 server",
             {6, 1, 2, 0, 0, 0, 12},
             "Windows Server 2008 R2 Datacenter Edition (core installation)"},
    NameCase{"6.2 workstation", {6, 2, 1, 0, 0, 0, 4}, "Windows 8 Enterprise Edition"},
    NameCase{"6.2 server",
             {6, 2, 3, 0, 0, 0, 13},
             "Windows Server 2012 Standard Edition (core installation)"},
    NameCase{"6.3 workstation", {6, 3, 1, 0, 0, 0, 121}, "Windows 8.1 Education"},
    NameCase{"6.3 server",
             {6, 3, 3, 0, 0, 0, 17},
             "Windows Server 2012 R2 Web Server (full installation)"},
    NameCase{"5.0 workstation", {5, 0, 1, 0x0082}, "Windows 2000 Professional"},
    NameCase{
        "5.0 datacenter before enterprise", {5, 0, 3, 0x0082}, "Windows 2000 Datacenter Server"},
    NameCase{"5.0 enterprise", {5, 0, 3, 0x0002}, "Windows 2000 Advanced Server"},
    NameCase{"5.0 other server", {5, 0, 3, 0}, "Windows 2000 Server"},
    NameCase{"5.1 personal", {5, 1, 1, 0x0200}, "Windows XP Home Edition"},
    NameCase{"5.1 otherwise", {5, 1, 1, 0}, "Windows XP Professional"},
    NameCase{"5.2 R2 before the suite bits", {5, 2, 3, 0xA000, 0, 1}, "Windows Server 2003 R2,  "},
    NameCase{
        "5.2 storage server before home server", {5, 2, 3, 0xA000}, "Windows Storage Server 2003 "},
    NameCase{"5.2 home server", {5, 2, 3, 0x8000}, "Windows Home Server "},
    NameCase{"5.2 workstation on AMD64", {5, 2, 1, 0, 9}, "Windows XP Professional x64 Edition "},
    NameCase{"5.2 workstation on x86", {5, 2, 1, 0, 0}, "Windows Server 2003,  "},
    NameCase{"5.2 server on AMD64", {5, 2, 3, 0, 9}, "Windows Server 2003,  "},
    NameCase{"4.10", {4, 10, 1}, "Windows 98 "},
    NameCase{"no row: empty name", {4, 0, 1}, " "},
    NameCase{"10.0 unknown product type", {10, 0, 1, 0, 0, 0, 0}, "获取失败，请检查版本:10.0 "},
    NameCase{"6.1 unknown product type", {6, 1, 3, 0, 0, 0, 5}, "获取失败，请检查版本:6.1 "},
};

TEST(OsVersionName, ChoosesNameAndEditionByFirstMatchingRow) {
  for (const NameCase& c : kNameCases) {
    EXPECT_EQ(NameOf(FactsOf(c.system), kEditionOnly), c.nameWithEdition) << c.what;
  }
}

struct EditionCase {
  std::uint32_t productType;
  const char* edition;
};

TEST(OsVersionName, NamesEveryKnownProductEdition) {
  constexpr std::array kEditions{
      EditionCase{1, "Ultimate Edition"},
      EditionCase{2, "Home Basic Edition"},
      EditionCase{3, "Home Premium Edition"},
      EditionCase{4, "Enterprise Edition"},
      EditionCase{6, "Business Edition"},
      EditionCase{7, "Standard"},
      EditionCase{8, "Datacenter Edition"},
      EditionCase{9, "Small Business Server"},
      EditionCase{10, "Enterprise Edition"},
      EditionCase{11, "Starter Edition"},
      EditionCase{12, "Datacenter Edition (core installation)"},
      EditionCase{13, "Standard Edition (core installation)"},
      EditionCase{14, "Enterprise Edition (core installation)"},
      EditionCase{15, "Enterprise Edition for Itanium-based Systems"},
      EditionCase{16, "Business N"},
      EditionCase{17, "Web Server (full installation)"},
      EditionCase{18, "HPC Edition"},
      EditionCase{19, "Windows Storage Server 2008 R2 Essentials"},
      EditionCase{20, "Storage Server Express"},
      EditionCase{21, "Storage Server Standard"},
      EditionCase{22, "Storage Server Workgroup"},
      EditionCase{23, "Storage Server Enterprise"},
      EditionCase{25, "Small Business Server Premium Edition"},
      EditionCase{48, "Professional"},
      EditionCase{121, "Education"},
  };
  for (const EditionCase& c : kEditions) {
    System system{6, 1, 1};
    system.productInfoType = c.productType;
    EXPECT_EQ(NameOf(FactsOf(system), kEditionOnly), std::string("Windows 7 ") + c.edition)
        << "product type " << c.productType;
  }
}

FakeVersionFacts Windows7UnderWow64() {
  FakeVersionFacts facts = FactsOf({6, 1, 1, 0, 0, 0, 1});
  facts.record->servicePack = "Service Pack 1";
  facts.trueNumbers.build = 0xF0001DB1;  // the kernel flags the build in its high bits
  facts.wow64 = true;
  return facts;
}

TEST(OsVersionName, ComposesEveryOptionInOrder) {
  const FakeVersionFacts facts = Windows7UnderWow64();
  EXPECT_EQ(NameOf(facts, kAllOn), "Windows 7 Ultimate Edition x64 (Service Pack 1,Build:7601)");
  EXPECT_EQ(NameOf(facts, kAllOff), "Windows 7");
}

struct SuffixCase {
  const char* what;
  void (*change)(FakeVersionFacts&);
  VersionNameOptions options;
  const char* expected;
};

TEST(OsVersionName, BitnessServicePackAndBuild) {
  constexpr VersionNameOptions kBitness{false, true, false, false};
  constexpr VersionNameOptions kServicePack{false, false, true, false};
  constexpr VersionNameOptions kBuild{false, false, false, true};
  constexpr VersionNameOptions kServicePackAndBuild{false, false, true, true};
  constexpr std::array kCases{
      SuffixCase{"32-bit system", [](FakeVersionFacts& f) { f.wow64 = false; }, kBitness,
                 "Windows 7 x86"},
      SuffixCase{"64-bit process on AMD64",
                 [](FakeVersionFacts& f) {
                   f.wow64 = false;
                   f.architecture = 9;
                 },
                 kBitness, "Windows 7 x64"},
      SuffixCase{"service pack text ends at its NUL",
                 [](FakeVersionFacts& f) { f.record->servicePack = std::string("SP2\0junk", 8); },
                 kServicePack, "Windows 7 (SP2)"},
      SuffixCase{"service pack from the registry when the record has none",
                 [](FakeVersionFacts& f) {
                   f.record->servicePack.clear();
                   f.registry[VersionRegistryValue::CsdVersion] = "Service Pack 3";
                 },
                 kServicePack, "Windows 7 (Service Pack 3)"},
      SuffixCase{"service pack shorter than 3 bytes counts as none",
                 [](FakeVersionFacts& f) { f.record->servicePack = "SP"; }, kServicePackAndBuild,
                 "Windows 7 (Build:7601)"},
      SuffixCase{"no service pack and no build gives no brackets",
                 [](FakeVersionFacts& f) { f.record->servicePack.clear(); }, kServicePack,
                 "Windows 7"},
      SuffixCase{"build only", [](FakeVersionFacts&) {}, kBuild, "Windows 7 (Build:7601)"},
      SuffixCase{"build from the registry when the kernel reports 0",
                 [](FakeVersionFacts& f) {
                   f.trueNumbers.build = 0xF0000000;
                   f.registry[VersionRegistryValue::CurrentBuild] = "7600";
                 },
                 kBuild, "Windows 7 (Build:7600)"},
  };
  for (const SuffixCase& c : kCases) {
    FakeVersionFacts facts = Windows7UnderWow64();
    c.change(facts);
    EXPECT_EQ(NameOf(facts, c.options), c.expected) << c.what;
  }
}

TEST(OsVersionName, ChoosesByTheKernelsNumbersAndReportsThem) {
  FakeVersionFacts facts = FactsOf({6, 2, 1, 0, 0, 0, 48});
  facts.trueNumbers = {10, 0, 19045};
  std::int32_t major = 0;
  std::int32_t minor = -1;
  EXPECT_EQ(shell::OsVersionName(facts, major, minor, kAllOff), "Windows 10");
  EXPECT_EQ(major, 10);
  EXPECT_EQ(minor, 0);
  EXPECT_EQ(facts.productInfoAskedFor.major, 10u);
  EXPECT_EQ(facts.productInfoAskedFor.minor, 0u);
}

TEST(OsVersionName, UnreadableVersionGivesNoNameAndLeavesNumbersAlone) {
  FakeVersionFacts facts;
  facts.record.reset();
  std::int32_t major = -7;
  std::int32_t minor = -8;
  EXPECT_EQ(shell::OsVersionName(facts, major, minor, kAllOn), "");
  EXPECT_EQ(major, -7);
  EXPECT_EQ(minor, -8);

  // This platform's own source cannot read a Windows version.
  EXPECT_EQ(shell::OsVersionName(major, minor, true, true, true, true), "");
  EXPECT_EQ(major, -7);
  EXPECT_EQ(minor, -8);
}

}  // namespace
