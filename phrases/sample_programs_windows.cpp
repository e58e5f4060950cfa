#include "phrases/samples.h"

namespace keyloom {

SamplePrograms PlatformSamplePrograms() {
  return {"calc.exe", "explorer.exe", KEYLOOM_MAKER_WEB_SITE};
}

}  // namespace keyloom
