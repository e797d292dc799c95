#include "version.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// The program's resources, linked into this test too.
std::string ResourceText(LPCSTR type, LPCSTR name, WORD language) {
    HRSRC found = ::FindResourceExA(nullptr, type, name, language);
    if (!found)
        return std::string();
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    return std::string(data, ::SizeofResource(nullptr, found));
}

// A string table block holds 16 counted UTF-16 strings; string 1 is the second of block 1.
std::wstring TableString(WORD language, int id) {
    const std::string block = ResourceText(RT_STRING, MAKEINTRESOURCEA(id / 16 + 1), language);
    const wchar_t* p = reinterpret_cast<const wchar_t*>(block.data());
    for (int i = 0; i < id % 16 && !block.empty(); ++i)
        p += 1 + *p;
    return block.empty() ? std::wstring() : std::wstring(p + 1, *p);
}

TEST(Resources, TitleInEnglishAndJapanese) {
    char title[256] = {};
    EXPECT_EQ(::LoadStringA(nullptr, 1, title, 256), 8);
    EXPECT_STREQ(title, "Tessaryn");
    EXPECT_EQ(TableString(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1), L"Tessaryn");
    EXPECT_EQ(TableString(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 1), L"Tessaryn");
}

TEST(Resources, IconInTwoSizesOfSixteenColours) {
    const std::string group =
        ResourceText(RT_GROUP_ICON, MAKEINTRESOURCEA(101), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_GE(group.size(), 6u + 2 * 14);
    const BYTE* p = reinterpret_cast<const BYTE*>(group.data());
    const int count = p[4] | (p[5] << 8);
    ASSERT_EQ(count, 2);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = p + 6 + 14 * i;
        sizes.push_back(entry[0]);
        EXPECT_EQ(entry[2], 16) << "colours";
        EXPECT_EQ(entry[6] | (entry[7] << 8), 4) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        ::DestroyIcon(icon);
    }
}

TEST(Resources, VersionRecordAndManifest) {
    // Read as Windows documents it, from the module's file. The A functions write ANSI copies of the
    // strings they are asked for after the record, in room GetFileVersionInfo leaves: a guard behind
    // the buffer shows any write past it.
    char path[MAX_PATH + 1] = {};
    ASSERT_GT(::GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    const size_t guard = 4096;
    std::vector<char> copy(size + guard, '\x5A');
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, copy.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(copy.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    // The project's version, 2.1.0.0, in the numbers and in the strings.
    const DWORD ms = (TESSARYN_VERSION_MAJOR << 16) | TESSARYN_VERSION_MINOR;
    const DWORD ls = (TESSARYN_VERSION_PATCH << 16) | TESSARYN_VERSION_TWEAK;
    EXPECT_EQ(ms, 0x00020001u);
    EXPECT_EQ(fixed->dwFileVersionMS, ms);
    EXPECT_EQ(fixed->dwFileVersionLS, ls);
    EXPECT_EQ(fixed->dwProductVersionMS, ms);
    EXPECT_EQ(fixed->dwProductVersionLS, ls);
    for (const char* name : {"FileVersion", "ProductVersion"}) {
        char* text = nullptr;
        ASSERT_TRUE(::VerQueryValueA(copy.data(),
                                     (std::string("\\StringFileInfo\\040904B0\\") + name).c_str(),
                                     reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, TESSARYN_VERSION_STRING) << name;
    }
    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(copy.data(), "\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
    EXPECT_EQ(std::count(copy.begin() + size, copy.end(), '\x5A'), static_cast<std::ptrdiff_t>(guard))
        << "a version query wrote past the record's buffer";

    const std::string manifest =
        ResourceText(RT_MANIFEST, MAKEINTRESOURCEA(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("true/pm"), std::string::npos);
}

} // namespace
