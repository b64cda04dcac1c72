#include "frame/entry_points.h"

void InitPacketsLib() {}
__packet GetPacketProc(unsigned long) { return __packet(); }
