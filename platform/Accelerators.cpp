#include "platform/Accelerators.h"

#include <optional>
#include <set>

namespace Accelerators {

namespace {

// Only plain letters and digits are chosen: they have a key of their own on every keyboard
// layout, which an umlaut has not.
bool Choosable(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The index of the "&" that marks the letter, if the caption marks one.
std::optional<std::size_t> MarkOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return i;
    }
    return std::nullopt;
}

bool StartsWord(const std::string& text, std::size_t i) {
    if (i == 0)
        return true;
    const char before = text[i - 1];
    return before == ' ' || before == '/' || before == '-' || before == '(' || before == '"';
}

// Where a free letter stands in a caption without a mark: the first free letter that starts a
// word, else the first free letter anywhere.
std::optional<std::size_t> FreeLetter(const std::string& plain, const std::set<char>& taken) {
    for (bool wordStartsOnly : {true, false}) {
        for (std::size_t i = 0; i < plain.size(); ++i) {
            const char c = plain[i];
            if (!Choosable(c) || taken.count(Lower(c)))
                continue;
            if (!wordStartsOnly || StartsWord(plain, i))
                return i;
        }
    }
    return std::nullopt;
}

// Removes the single marks and keeps "&&" as it is.
std::string WithoutMark(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] == '&')
                out += caption[i++];
            continue;
        }
        out += caption[i];
    }
    return out;
}

// Puts a mark before the character at `index` of a caption without marks; an ampersand in it is
// written doubled, as the menu reads it.
std::string MarkAt(const std::string& plain, std::optional<std::size_t> index) {
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (index && i == *index)
            out += '&';
        out += plain[i];
        if (plain[i] == '&')
            out += '&';
    }
    return out;
}

} // namespace

std::vector<std::string> Assign(const std::vector<std::string>& captions) {
    std::vector<std::string> shown(captions.size());
    std::vector<bool> done(captions.size(), false);
    std::set<char> taken;
    // The letters the captions name themselves come first, in the menu's order.
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::optional<std::size_t> mark = MarkOf(captions[i]);
        if (!mark)
            continue;
        const char letter = Lower(captions[i][*mark + 1]);
        if (taken.count(letter))
            continue;
        taken.insert(letter);
        shown[i] = captions[i];
        done[i] = true;
    }
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (done[i])
            continue;
        const std::string plain = WithoutMark(captions[i]);
        const std::optional<std::size_t> free = FreeLetter(plain, taken);
        if (free)
            taken.insert(Lower(plain[*free]));
        shown[i] = MarkAt(plain, free);
    }
    return shown;
}

char LetterOf(const std::string& caption) {
    const std::optional<std::size_t> mark = MarkOf(caption);
    return mark ? Lower(caption[*mark + 1]) : 0;
}

std::string Plain(const std::string& caption) {
    return WithoutMark(caption);
}

} // namespace Accelerators
