#include "phrases/samples.h"

namespace keyloom {

SamplePrograms PlatformSamplePrograms() {
  return {"gnome-calculator", "xdg-open", KEYLOOM_MAKER_WEB_SITE};
}

}  // namespace keyloom
