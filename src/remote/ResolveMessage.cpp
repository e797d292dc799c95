#include "ResolveMessage.h"
#include "Texts.h"
#include "WholeNumber.h"
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

namespace {

using Tree = boost::property_tree::ptree;

const long maxElements = 256; // '<' in a message: tags, declarations, comments

// An attribute as a whole number up to `highest`; false when it is missing or is not one.
bool WholeNumber(const Tree& attributes, const char* name, int highest, int& value) {
    const auto text = attributes.get_optional<std::string>(name);
    return text && ReadWholeNumber(*text, 0, highest, value);
}

// An attribute as a fraction of the screen, 0 to 1; a decimal comma reads as a point.
bool Fraction(const Tree& attributes, const char* name, double& value) {
    const auto text = attributes.get_optional<std::string>(name);
    if (!text || text->empty() || text->size() > 32)
        return false;
    std::string point = *text;
    for (char& c : point)
        c = c == ',' ? '.' : c;
    std::istringstream in(point);
    in.imbue(std::locale::classic());
    in >> value;
    return in && in.peek() == std::char_traits<char>::eof() && std::isfinite(value) && value >= 0 &&
           value <= 1;
}

// A colour at 8 bits and as 10-bit codes; `tenBits` is set where it has more than 8.
std::wstring ReadColor(const Tree* element, const char* what, COLORREF& color, UINT32& color10,
                       bool& tenBits) {
    const auto attributes = element ? element->get_child_optional("<xmlattr>") : boost::none;
    if (!attributes)
        return FormatText(IDS_NO_ELEMENT, {Widen(what)});
    int bits = 8;
    if (attributes->count("bits") && (!WholeNumber(*attributes, "bits", 16, bits) || bits < 1))
        return FormatText(IDS_BITS_OUT_OF_RANGE, {Widen(what)});
    int rgb[3];
    const char* names[3] = {"red", "green", "blue"};
    for (int i = 0; i < 3; ++i)
        if (!WholeNumber(*attributes, names[i], (1 << bits) - 1, rgb[i]))
            return FormatText(IDS_VALUE_OUT_OF_RANGE, {Widen(what), Widen(names[i])});
    color = RGB(CodeToLevel(rgb[0], bits), CodeToLevel(rgb[1], bits), CodeToLevel(rgb[2], bits));
    color10 =
        DeepPixel(CodeToTenBits(rgb[0], bits), CodeToTenBits(rgb[1], bits), CodeToTenBits(rgb[2], bits));
    tenBits = tenBits || bits > 8;
    return std::wstring();
}

std::wstring ReadGeometry(const Tree* element, RemotePatch& patch) {
    const auto attributes = element ? element->get_child_optional("<xmlattr>") : boost::none;
    if (!attributes)
        return LoadText(IDS_NO_GEOMETRY);
    if (!Fraction(*attributes, "x", patch.x) || !Fraction(*attributes, "y", patch.y) ||
        !Fraction(*attributes, "cx", patch.cx) || !Fraction(*attributes, "cy", patch.cy))
        return LoadText(IDS_GEOMETRY_OUT_OF_RANGE);
    return std::wstring();
}

const Tree* Child(const Tree& tree, const char* name) {
    const auto child = tree.get_child_optional(name);
    return child ? &*child : nullptr;
}

} // namespace

int CodeToLevel(long code, int bits) {
    const double largest = static_cast<double>((1L << bits) - 1);
    return static_cast<int>(std::floor(static_cast<double>(code) * 255 / largest + 0.5));
}

int CodeToTenBits(long code, int bits) {
    if (bits <= 8)
        return TenBitCode(CodeToLevel(code, bits));
    const double largest = static_cast<double>((1L << bits) - 1);
    return static_cast<int>(std::floor(static_cast<double>(code) * 1023 / largest + 0.5));
}

std::wstring ReadResolveMessage(const std::string& xml, RemotePatch& patch) {
    // A calibration message has a dozen elements. The reader goes down nested elements by recursion:
    // thousands of them, which fit in the longest message there is, would overflow the stack.
    if (std::count(xml.begin(), xml.end(), '<') > maxElements)
        return LoadText(IDS_NOT_CALIBRATION);
    try {
        Tree tree;
        std::istringstream in(xml);
        boost::property_tree::read_xml(in, tree);
        const Tree* calibration = Child(tree, "calibration");
        if (calibration == nullptr || tree.size() != 1)
            return LoadText(IDS_NOT_CALIBRATION);
        RemotePatch read = {RGB(0, 0, 0), RGB(0, 0, 0), 0, 0, 1, 1};
        std::wstring error;
        if (const Tree* shapes = Child(*calibration, "shapes")) {
            std::vector<const Tree*> rectangles;
            for (const auto& child : *shapes)
                if (child.first == "rectangle")
                    rectangles.push_back(&child.second);
            if (rectangles.empty() || rectangles.size() > 2)
                return FormatText(IDS_UNKNOWN_FORM, {Number(static_cast<long long>(rectangles.size()))});
            const Tree& shown = *rectangles.back();
            if (rectangles.size() == 2)
                error = ReadColor(Child(*rectangles.front(), "color"), "background", read.background,
                                  read.background10, read.tenBits);
            if (error.empty())
                error = ReadColor(Child(shown, "color"), "color", read.color, read.color10, read.tenBits);
            if (error.empty())
                error = ReadGeometry(Child(shown, "geometry"), read);
        } else {
            error = ReadColor(Child(*calibration, "color"), "color", read.color, read.color10, read.tenBits);
            if (error.empty())
                error = ReadColor(Child(*calibration, "background"), "background", read.background,
                                  read.background10, read.tenBits);
            if (error.empty())
                error = ReadGeometry(Child(*calibration, "geometry"), read);
        }
        if (error.empty())
            patch = read;
        return error;
    } catch (const std::exception&) {
        return LoadText(IDS_NOT_XML);
    }
}
