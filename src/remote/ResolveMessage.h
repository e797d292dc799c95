#pragma once
#include "RemotePatch.h"
#include <string>

// Reads one Resolve message, in either of its forms:
//   <calibration><color red= green= blue= bits=/><background .../><geometry x= y= cx= cy=/></calibration>
//   <calibration><shapes><rectangle><color .../><geometry .../></rectangle>...</shapes></calibration>
// (in the second, two rectangles are the background and the patch; one is a patch on black). The result
// is empty and the patch filled in, or it says why the message is ignored, for the operator. A message
// of more than a few hundred tags is not one.
std::wstring ReadResolveMessage(const std::string& xml, RemotePatch& patch);

// A colour code of `bits` bits (1 to 16) as the 8-bit level shown: floor(code * 255 / (2^bits - 1) + 0.5).
int CodeToLevel(long code, int bits);
// The same code as a 10-bit code: floor(code * 1023 / (2^bits - 1) + 0.5) for 9 bits and more; a code of 8
// bits or fewer is its 8-bit level widened, TenBitCode(CodeToLevel(code, bits)).
int CodeToTenBits(long code, int bits);
