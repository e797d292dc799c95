#pragma once
#include "Overlay.h"
#include "ScreenContent.h"
#include "ScreenDescription.h"

// What lies over the pattern of the window that covers a screen (at this place in the list and this
// rectangle): the content's label on the first screen only, followed where the content asks for it by
// what the screen's output carries (`noDeepOutput`: no 10-bit output can be made there); the warning
// of a monitor not at its native mode while the screen is warned, never over calibration software's
// patch; the readout of a motion test (`readout`, empty where nothing moves); and the help where it is
// up, with every key on the first screen.
Overlay WindowOverlay(const ScreenContent& content, const ScreenDescription& screen, const RECT& rect,
                      int screenIndex, bool noDeepOutput, const std::wstring& readout = std::wstring());
