#include "shell/candidate_list_shell.h"

#include "shell/candidate_list_window.h"

namespace keyloom {

CandidateListShell::CandidateListShell(std::unique_ptr<Shell> inner, CandidateList& candidates)
    : inner_(std::move(inner)), candidates_(candidates) {}

std::unique_ptr<Window> CandidateListShell::CreateWindow(const WindowDesign& design,
                                                         WindowEvents& events) {
  if (design.style != WindowStyle::kPopup) return inner_->CreateWindow(design, events);
  return std::make_unique<CandidateListWindow>(design, candidates_, *inner_);
}

}  // namespace keyloom
