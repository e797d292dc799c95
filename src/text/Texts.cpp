// The operator's texts, read from the string table of the chosen language and filled in.
#include "Texts.h"

namespace {

LANGID language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A string table keeps its texts in blocks of sixteen; each text is its length, then that many UTF-16
// units. LoadString would pick the block of the thread's own language: this reads the chosen one.
bool FindText(UINT id, LANGID wanted, std::wstring& text) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1), wanted);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const WCHAR* block = loaded != nullptr ? static_cast<const WCHAR*>(::LockResource(loaded)) : nullptr;
    if (block == nullptr)
        return false;
    const WCHAR* end = block + ::SizeofResource(module, found) / sizeof(WCHAR);
    for (UINT i = 0; i < id % 16 && block < end; ++i)
        block += 1 + *block;
    if (block >= end || *block == 0 || block + 1 + *block > end)
        return false;
    text.assign(block + 1, *block);
    return true;
}

} // namespace

void SetTextLanguage(LANGID chosen) {
    language = chosen;
}

LANGID TextLanguage() {
    return language;
}

LANGID UserTextLanguage() {
    // Looked up by name: Windows before 2000 has no interface language of its own.
    HMODULE kernel32 = ::GetModuleHandleA("KERNEL32");
    const auto userLanguage = reinterpret_cast<LANGID(WINAPI*)()>(
        reinterpret_cast<void*>(kernel32 != nullptr ? ::GetProcAddress(kernel32, "GetUserDefaultUILanguage") : nullptr));
    if (userLanguage != nullptr && PRIMARYLANGID(userLanguage()) == LANG_JAPANESE)
        return MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

std::wstring LoadText(UINT id) {
    std::wstring text;
    if (FindText(id, language, text))
        return text;
    return L"#" + Number(id);
}

std::wstring FormatString(const std::wstring& pattern, std::initializer_list<std::wstring> arguments) {
    std::wstring result;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        const size_t n = static_cast<size_t>(next - L'1');
        if (pattern[i] == L'%' && next >= L'1' && next <= L'9' && n < arguments.size()) {
            result += arguments.begin()[n];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::wstring FormatText(UINT id, std::initializer_list<std::wstring> arguments) {
    return FormatString(LoadText(id), arguments);
}

std::wstring Widen(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], static_cast<int>(wide.size()));
    return wide;
}

std::wstring Number(long long value) {
    return std::to_wstring(value);
}
