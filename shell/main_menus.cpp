#include "shell/main_menus.h"

namespace keyloom {

std::vector<MenuDesign> MainWindowMenus(Program program) {
  MenuDesign file{"&File",
                  {{"FileImport", "File Import "},
                   {"FileSave", "File Save"},
                   {"FileSave2", "File Save As"},
                   {"Exit", "Exit"}}};
  // Run Minimized starts cleared at every start; Start at Login shows what the system keeps; Pause
  // reads Resume while paused; password fields are left alone unless the user says otherwise.
  MenuDesign options{"&Options",
                     {{"RunMinimized", "Run Minimized", false},
                      {"Pause", "Pause"},
                      {"LeavePasswordFieldsAlone", "Leave Password Fields Alone", true},
                      {"ExcludedApplications", "Excluded Applications..."},
                      {"StartAtLogin", "Start at Login"}}};
  MenuDesign help{"&Help", {}};
  if (program == Program::kQuipcast) help.items.push_back({"LoadSamples", "Load Samples"});
  help.items.push_back({"About", "About"});
  help.items.push_back({"Help2", "Help"});
  help.items.push_back({"Licences", "Licences"});
  return {file, options, help};
}

}  // namespace keyloom
