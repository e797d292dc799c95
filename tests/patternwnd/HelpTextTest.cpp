// The help in Japanese: every glyph there, and a box that fits as the English one does.
#include "HelpOverlay.h"
#include "HelpText.h"
#include "ScreenText.h"
#include "TestPanel.h"
#include "Texts.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The operator's side in Japanese: a face on this system has a glyph for every character of every text,
// and the help fits a 1024 x 768 screen in a font no smaller than the English one's.
TEST(JapaneseText, EveryTextHasItsGlyphsAndTheHelpFitsAsTheEnglishDoes) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    SetTextLanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    int texts = 0;
    for (UINT id = 1000; id < 1500; ++id) {
        const std::wstring text = LoadText(id);
        if (text[0] == L'#')
            continue;
        ++texts;
        const CScreenText painter(dc, 16, text);
        EXPECT_TRUE(CScreenText::HasGlyphs(dc, text)) << id << " in the face \"" << painter.Face() << "\"";
    }
    EXPECT_GT(texts, 80);

    const EdidFacts wide = TestPanel(2560, 1440, "ABC1234567890", "DELL U2720QXYZ"); // 13 bytes each
    ScreenDescription first = {1, 3, {32, 60, true, 10, wide}, false};
    auto help = [&](const RECT& rect, bool keys) {
        return HelpFontHeight(dc, rect.right - rect.left, rect.bottom - rect.top,
                              HelpLines(first, rect, keys));
    };
    for (const RECT& rect : {RECT{0, 0, 1024, 768}, RECT{0, 0, 768, 1024}, RECT{0, 0, 1280, 1024}})
        for (bool keys : {true, false}) {
            SetTextLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
            const int english = help(rect, keys);
            SetTextLanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
            EXPECT_GE(help(rect, keys), english)
                << rect.right << "x" << rect.bottom << (keys ? " with keys" : "");
        }
    SetTextLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ::DeleteDC(dc);
}

} // namespace
