#pragma once

#include <string>
#include <vector>

namespace keyloom {

// What the samples that start programs run; they differ between platforms.
struct SamplePrograms {
  std::string calculator;   // "calc.exe"
  std::string page_opener;  // "explorer.exe": opens the address that follows it
  std::string web_address;  // the maker's web site
};

// This platform's programs; defined once per platform, chosen by CMake.
SamplePrograms PlatformSamplePrograms();

// The ten sample entry lines, in the order they are loaded.
std::vector<std::string> SampleEntryLines(const SamplePrograms& programs);

}  // namespace keyloom
