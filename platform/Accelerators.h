#pragma once
// The underlined letters of a menu. A caption may name its letter with "&"; a caption that names
// none, or one that an earlier command of the same menu already uses, is given a free letter,
// so that every command of a menu shows one letter and no two share it.

#include <string>
#include <vector>

namespace Accelerators {

// The captions of one menu, in their order, as the menu shows them: each with exactly one "&"
// before its letter where a letter is free ("&&" stands for an ampersand and is kept).
std::vector<std::string> Assign(const std::vector<std::string>& captions);

// The letter a shown caption underlines, in lower case; 0 for none.
char LetterOf(const std::string& caption);

// The caption without its "&" marks, as the learner reads it.
std::string Plain(const std::string& caption);

} // namespace Accelerators
