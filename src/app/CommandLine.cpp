#include "CommandLine.h"
#include "PatternTable.h"
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

// A whole decimal number from 1 to `largest`, nothing else; 0 when it is not one.
int Number(const std::string& text, int largest) {
    if (text.empty() || text.size() > 9)
        return 0;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
    const int value = std::stoi(text);
    return value <= largest ? value : 0;
}

// The keys /pattern takes, as the table has them: "1, 2, ... G, I, C or U".
std::string PatternKeys() {
    std::string keys;
    for (size_t i = 0; i < patternCount; ++i) {
        const char key = patternTable[i].key;
        if (keys.find(key) != std::string::npos)
            continue;
        keys += (keys.empty() ? "" : ", ") + std::string(1, key);
    }
    const size_t last = keys.rfind(", ");
    return last == std::string::npos ? keys : keys.replace(last, 2, " or ");
}

bool ParseScreens(const std::string& text, std::vector<int>& screens) {
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const int number = Number(text.substr(start, comma - start), 64);
        if (number == 0)
            return false;
        if (std::find(screens.begin(), screens.end(), number) == screens.end())
            screens.push_back(number);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

} // namespace

CommandLine ParseCommandLine(const std::string& line) {
    CommandLine result;
    const std::vector<std::string> words = Words(line);
    std::vector<std::string> seen;
    for (size_t i = 0; i < words.size() && result.error.empty(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) {
            result.error = "\"" + word + "\" is not an option.";
            break;
        }
        const std::string option = Lower(word.substr(1));
        if (std::find(seen.begin(), seen.end(), option) != seen.end()) {
            result.error = word + " is given twice.";
            break;
        }
        seen.push_back(option);
        if (option == "?") {
            result.help = true;
            continue;
        }
        const bool remote = option == "resolve" || option == "argyll";
        if (remote && result.remote) {
            result.error = "Only one of /resolve and /argyll can be given.";
            break;
        }
        if (option != "pattern" && option != "screens" && option != "auto" && !remote) {
            result.error = "Unknown option " + word + ".";
            break;
        }
        if (i + 1 >= words.size()) {
            result.error = word + " needs a value.";
            break;
        }
        const std::string value = words[++i];
        if (option == "pattern") {
            const PatternEntry* entry = value.size() == 1 ? PatternForKey(value[0], patternNone) : nullptr;
            if (entry == nullptr)
                result.error =
                    "\"" + value + "\" after " + word + " is not a pattern key (" + PatternKeys() + ").";
            else
                result.pattern = entry->mode;
        } else if (remote) {
            result.remote = true;
            result.protocol = option == "resolve" ? RemoteProtocol::resolve : RemoteProtocol::argyll;
            if (!ParseRemoteTarget(value, option == "resolve" ? 20002 : 8080, result.target))
                result.error =
                    "\"" + value + "\" after " + word + " is not HOST or HOST:PORT (a port 1 to 65535).";
        } else if (option == "screens") {
            if (!ParseScreens(value, result.screens))
                result.error = "\"" + value + "\" after " + word +
                               " is not a list of screen numbers (from 1, with commas: 2,3).";
        } else {
            result.autoSeconds = Number(value, 86400);
            if (result.autoSeconds == 0)
                result.error = "\"" + value + "\" after " + word + " is not a period of 1 to 86400 seconds.";
        }
    }
    if (!result.error.empty()) {
        const std::string error = result.error;
        result = CommandLine();
        result.error = error;
    }
    return result;
}

std::string Usage() {
    return "Usage: tessaryn.exe [/pattern KEY] [/screens LIST] [/auto SECONDS] [/resolve HOST[:PORT] | "
           "/argyll HOST[:PORT]]\n"
           "\n"
           "/pattern KEY - start with the pattern of this key: " +
           PatternKeys() +
           ".\n"
           "/screens LIST - cover only these screens, numbered as F1 shows them (e.g. /screens 2,3).\n"
           "/auto SECONDS - step through every pattern, SECONDS each (1 to 86400).\n"
           "/resolve HOST[:PORT] - show the patches of calibration software's Resolve pattern generator "
           "listening there (port 20002 if none is given).\n"
           "/argyll HOST[:PORT] - be the display of ArgyllCMS's web display (-dweb) there (port 8080).\n"
           "/? - show this help.\n"
           "\n"
           "Options may start with - too, in any case. Example: tessaryn.exe /screens 2 /pattern 8";
}

std::string CheckScreens(const std::vector<int>& screens, int count) {
    std::string list;
    for (int number : screens) {
        if (number <= count)
            return std::string();
        list += (list.empty() ? "" : ", ") + std::to_string(number);
    }
    return "There is no screen " + list + ": this PC has " + std::to_string(count) +
           (count == 1 ? " screen." : " screens.");
}
