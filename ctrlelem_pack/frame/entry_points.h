// The library's two exported entry points, declared once in the public header.
#pragma once

#include "ctrlelem_pack/ctrlelem_pack.h"
