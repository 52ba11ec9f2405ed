// Four of the five functions, each answering "done" with a pair no real call would leave, so a
// test sees at once if the loader used any of them.
#include "device/pwrio/Pwrio.h"

namespace {
short Done(int *pair) {
  if (pair) {
    pair[0] = 77;
    pair[1] = 7;
  }
  return 1;
}
} // namespace

extern "C" {
PWRIO_EXPORT int PWRIO_CALL dsoSearch(void) {
  return 1;
}
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH1(int, int, int *pair, int) {
  return Done(pair);
}
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH2(int, int, int *pair, int) {
  return Done(pair);
}
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive5_CH3(int, int, int *pair, int) {
  return Done(pair);
}
}
