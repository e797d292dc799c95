#include "CommandLine.h"
#include "PatternTable.h"
#include "Texts.h"
#include "WholeNumber.h"
#include <algorithm>
#include <cctype>

namespace {

// The words of the line: runs of non-blanks, or anything between double quotes.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || !std::isspace(static_cast<unsigned char>(line[i]))); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
        }
        words.push_back(word);
    }
    return words;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The keys /pattern takes, as the table has them: "1, 2, ... G, I, C or U".
std::wstring PatternKeys() {
    std::wstring keys;
    for (size_t i = 0; i < patternCount; ++i) {
        const wchar_t key = static_cast<wchar_t>(patternTable[i].key);
        if (!Choosable(patternTable[i]) || keys.find(key) != std::wstring::npos)
            continue;
        keys += (keys.empty() ? L"" : L", ") + std::wstring(1, key);
    }
    const size_t last = keys.rfind(L", ");
    return last == std::wstring::npos ? keys : keys.replace(last, 2, LoadText(IDS_LIST_OR));
}

bool ParseScreens(const std::string& text, std::vector<int>& screens) {
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        int number = 0;
        if (!ReadWholeNumber(text.substr(start, comma - start), 1, 64, number))
            return false;
        if (std::find(screens.begin(), screens.end(), number) == screens.end())
            screens.push_back(number);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

bool ReadLanguage(const std::string& value, LANGID& language) {
    const std::string name = Lower(value);
    if (name != "en" && name != "ja")
        return false;
    language = name == "ja" ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                            : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    return true;
}

} // namespace

LANGID LanguageOfLine(const std::string& line, LANGID standard) {
    const std::vector<std::string> words = Words(line);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        LANGID language = standard;
        if (words[i].size() == 5 && (words[i][0] == '/' || words[i][0] == '-') &&
            Lower(words[i].substr(1)) == "lang" && ReadLanguage(words[i + 1], language))
            return language;
    }
    return standard;
}

CommandLine ParseCommandLine(const std::string& line) {
    CommandLine result;
    const std::vector<std::string> words = Words(line);
    std::vector<std::string> seen;
    for (size_t i = 0; i < words.size() && result.error.empty(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) {
            result.error = FormatText(IDS_NOT_AN_OPTION, {Widen(word)});
            break;
        }
        const std::string option = Lower(word.substr(1));
        if (std::find(seen.begin(), seen.end(), option) != seen.end()) {
            result.error = FormatText(IDS_GIVEN_TWICE, {Widen(word)});
            break;
        }
        seen.push_back(option);
        if (option == "?") {
            result.help = true;
            continue;
        }
        if (option == "list") {
            result.list = true;
            continue;
        }
        const bool remote = option == "resolve" || option == "argyll";
        if (remote && result.remote) {
            result.error = LoadText(IDS_ONE_REMOTE);
            break;
        }
        if (option != "pattern" && option != "screens" && option != "auto" && option != "depth" &&
            option != "lang" && !remote) {
            result.error = FormatText(IDS_UNKNOWN_OPTION, {Widen(word)});
            break;
        }
        if (i + 1 >= words.size()) {
            result.error = FormatText(IDS_NEEDS_VALUE, {Widen(word)});
            break;
        }
        const std::string value = words[++i];
        if (option == "pattern") {
            const PatternEntry* entry = value.size() == 1 ? PatternForKey(value[0], patternNone) : nullptr;
            if (entry == nullptr)
                result.error = FormatText(IDS_BAD_PATTERN, {Widen(value), Widen(word), PatternKeys()});
            else
                result.pattern = entry->mode;
        } else if (remote) {
            result.remote = true;
            result.protocol = option == "resolve" ? RemoteProtocol::resolve : RemoteProtocol::argyll;
            if (!ParseRemoteTarget(value, option == "resolve" ? 20002 : 8080, result.target))
                result.error = FormatText(IDS_BAD_TARGET, {Widen(value), Widen(word)});
        } else if (option == "lang") {
            if (!ReadLanguage(value, result.language))
                result.error = FormatText(IDS_BAD_LANGUAGE, {Widen(value), Widen(word)});
        } else if (option == "depth") {
            const std::string depth = Lower(value);
            if (depth == "8" || depth == "10" || depth == "auto")
                result.depth = depth == "8"    ? CScreenWindows::PatchDepth::eight
                               : depth == "10" ? CScreenWindows::PatchDepth::ten
                                               : CScreenWindows::PatchDepth::automatic;
            else
                result.error = FormatText(IDS_BAD_DEPTH, {Widen(value), Widen(word)});
        } else if (option == "screens") {
            if (!ParseScreens(value, result.screens))
                result.error = FormatText(IDS_BAD_SCREENS, {Widen(value), Widen(word)});
        } else if (!ReadWholeNumber(value, 1, 86400, result.autoSeconds)) {
            result.error = FormatText(IDS_BAD_PERIOD, {Widen(value), Widen(word)});
        }
    }
    // /list answers with the screens and nothing else: only the language goes with it.
    if (result.error.empty() && result.list &&
        std::any_of(seen.begin(), seen.end(),
                    [](const std::string& o) { return o != "list" && o != "lang"; }))
        result.error = LoadText(IDS_LIST_ALONE);
    if (!result.error.empty()) {
        const std::wstring error = result.error;
        result = CommandLine();
        result.error = error;
    }
    return result;
}

std::wstring Usage() {
    return FormatText(IDS_USAGE, {PatternKeys()});
}

std::wstring CheckScreens(const std::vector<int>& screens, int count) {
    std::wstring list;
    for (int number : screens) {
        if (number <= count)
            return std::wstring();
        list += (list.empty() ? L"" : L", ") + Number(number);
    }
    return FormatText(count == 1 ? IDS_NO_SCREEN : IDS_NO_SCREENS, {list, Number(count)});
}
