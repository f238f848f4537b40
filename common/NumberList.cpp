// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberList.h"

#include <algorithm>

#include "DecimalNumber.h"

namespace jitsu {

std::optional<std::vector<int>> numbersNamed(std::string_view text, int max) {
    std::vector<int> numbers;
    constexpr std::string_view kSeparators = ", \t";
    for (std::size_t start = text.find_first_not_of(kSeparators); start != std::string_view::npos;
         start = text.find_first_not_of(kSeparators, start)) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
        const auto number = wholeNumber(text.substr(start, end - start));
        if (!number || number->negative || number->magnitude < 1 ||
            number->magnitude > static_cast<unsigned>(std::max(max, 0)))
            return std::nullopt;
        numbers.push_back(static_cast<int>(number->magnitude));
        start = end;
    }
    return numbers;
}

std::optional<std::array<bool, kMaxClasses>> classesNamed(std::string_view text, int classCount) {
    const int count = std::clamp(classCount, 0, kMaxClasses);
    const auto numbers = numbersNamed(text, count);
    if (!numbers) return std::nullopt;
    std::array<bool, kMaxClasses> classes{};
    if (numbers->empty()) std::fill_n(classes.begin(), count, true);
    for (int number : *numbers) classes[number - 1] = true;
    return classes;
}

std::string classListHint(int classCount) {
    return "組の番号は 1 から " + std::to_string(classCount) +
           " までを「,」で区切って入れてください。";
}

}  // namespace jitsu
