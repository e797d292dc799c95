#include "WindowOverlay.h"
#include "HelpText.h"
#include "Texts.h"
#include <algorithm>

Overlay WindowOverlay(const ScreenContent& content, const ScreenDescription& screen, const RECT& rect,
                      int screenIndex, bool noDeepOutput, const std::wstring& readout) {
    Overlay overlay;
    overlay.readout = readout;
    overlay.width = rect.right - rect.left;
    overlay.height = rect.bottom - rect.top;
    if (screenIndex == 0 && !content.label.empty()) {
        const int bits = screen.details.bitsPerColor;
        overlay.label = !content.outputNote ? content.label
                                            : content.label + L" " +
                                                  (noDeepOutput ? LoadText(IDS_NO_DEEP_OUTPUT)
                                                   : bits > 0   ? FormatText(IDS_OUTPUT_BITS, {Number(bits)})
                                                                : LoadText(IDS_OUTPUT_UNKNOWN));
    }
    if (content.mode != patternRemote &&
        std::find(content.warned.begin(), content.warned.end(), screen.number) != content.warned.end())
        overlay.warning = NativeModeWarning(screen.details.edid, overlay.width, overlay.height);
    if (content.overlay)
        overlay.help = HelpLines(screen, rect, screenIndex == 0);
    return overlay;
}
