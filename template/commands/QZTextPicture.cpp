#include "template/commands/QZTextPicture.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// The characters of a text, each a lead byte with its continuation bytes.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80 && !characters.empty())
            characters.back() += static_cast<char>(c);
        else
            characters.emplace_back(1, static_cast<char>(c));
    }
    return characters;
}

enum class Case { KEEP, LOWER, UPPER };

std::string Converted(std::string character, Case mode) {
    for (char& c : character) {
        unsigned char u = static_cast<unsigned char>(c);
        if (mode == Case::LOWER)
            c = static_cast<char>(std::tolower(u));
        else if (mode == Case::UPPER)
            c = static_cast<char>(std::toupper(u));
    }
    return character;
}

} // namespace

CString QZTextPicture::Format(const CString& value, const CString& picture) {
    std::vector<std::string> places = Characters(picture.str());
    std::vector<std::string> characters = Characters(value.str());
    bool fromLeft = !places.empty() && places.front() == "!";
    if (fromLeft) {
        places.erase(places.begin());
    } else {
        std::reverse(places.begin(), places.end());
        std::reverse(characters.begin(), characters.end());
    }
    std::vector<std::string> out;
    size_t next = 0;
    Case mode = Case::KEEP;
    for (const std::string& place : places) {
        if (place == "&") {
            if (next < characters.size())
                out.push_back(Converted(characters[next++], mode));
        } else if (place == "@") {
            out.push_back(next < characters.size() ? Converted(characters[next++], mode) : " ");
        } else if (place == "<") {
            mode = Case::LOWER;
        } else if (place == ">") {
            mode = Case::UPPER;
        } else {
            out.push_back(place);
        }
    }
    if (!fromLeft)
        std::reverse(out.begin(), out.end());
    std::string text;
    for (const std::string& character : out)
        text += character;
    return CString(text);
}
