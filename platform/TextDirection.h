#pragma once
// Text a learner typed, shown inside a sentence of the program or beside a drawing. A typed
// right-to-left letter or direction mark must keep to that text: left alone it turns the
// surrounding sentence around. Plain C++: the fuzz target builds it with the conversions.

#include <string>

// The text set apart as an isolate (U+2068 … U+2069): inside it keeps its own direction, outside
// it counts as one neutral character. Isolates the text opens itself are closed at its end, and a
// closing mark of its own that would end the outer isolate early is dropped.
inline std::string Isolated(const std::string& text) {
    // U+2066 … U+2068 open an isolate, U+2069 closes one; all are E2 81 A6 … A9 in UTF-8.
    constexpr char Lead0 = '\xE2', Lead1 = '\x81';
    constexpr char FirstOpening = '\xA6', LastOpening = '\xA8', Closing = '\xA9';
    const std::string open = "\u2068", close = "\u2069";
    std::string out = open;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark = i + 2 < text.size() && text[i] == Lead0 && text[i + 1] == Lead1;
        const char last = mark ? text[i + 2] : 0;
        if (mark && last >= FirstOpening && last <= LastOpening) {
            ++depth;
        } else if (mark && last == Closing) {
            if (depth == 0) {
                i += 2;
                continue;
            }
            --depth;
        }
        out += text[i];
    }
    for (; depth > 0; --depth)
        out += close;
    return out + close;
}
