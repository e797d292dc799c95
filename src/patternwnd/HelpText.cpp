#include "HelpText.h"
#include "Texts.h"

std::vector<std::wstring> IdentityLines(const ScreenDescription& screen, const RECT& rect) {
    const ScreenDetails& details = screen.details;
    const std::wstring bits = details.bitsPerPixel > 0
                                  ? FormatText(IDS_BITS_PER_PIXEL, {Number(details.bitsPerPixel)})
                                  : LoadText(IDS_DEPTH_UNKNOWN);
    const std::wstring rate = details.refreshRate > 0 ? FormatText(IDS_REFRESH_RATE, {Number(details.refreshRate)})
                                                      : LoadText(IDS_REFRESH_UNKNOWN);
    return {FormatText(details.primary ? IDS_SCREEN_OF_PRIMARY : IDS_SCREEN_OF,
                       {Number(screen.number), Number(screen.count)}),
            FormatText(IDS_SCREEN_PLACE, {Number(rect.right - rect.left), Number(rect.bottom - rect.top),
                                          Number(rect.left), Number(rect.top)}),
            FormatText(IDS_DEPTH_AND_RATE, {bits, rate}),
            details.bitsPerColor > 0 ? FormatText(IDS_BITS_PER_COLOR, {Number(details.bitsPerColor)})
                                     : LoadText(IDS_BITS_PER_COLOR_UNKNOWN)};
}
