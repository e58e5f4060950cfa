#include "phrases/samples.h"

namespace keyloom {

std::vector<std::string> SampleEntryLines(const SamplePrograms& programs) {
  const std::string second_line = "\r\nI hope you like it";
  const std::string open_site = "%(run=" + programs.page_opener + " " + programs.web_address + ")%";
  return {
      "{S}{E} - TD - Today is %(date)% at %(Time)%.",
      "{T} - CU - %(run=" + programs.calculator + ")%",
      "{S} - SI - " + open_site,
      "{S} - SP - This is a sample " + second_line,
      "{F} - {F9} - This is a sample " + second_line,
      "{F} - {Ctrl}{F9} - This is a sample of Ctrl-F9 " + second_line,
      "{F} - {Shift}{F9} - This is a sample  of Shift-F9 " + second_line,
      "{F} - {Alt}{F9} - This is a sample  of Alt-F9" + second_line,
      "{F} - {Ctrl}{Shift}{F9} - This is a sample  of Ctrl-Shift-F9" + second_line,
      "{F} - {F2} - " + open_site,
  };
}

}  // namespace keyloom
