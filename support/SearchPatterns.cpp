#include "support/SearchPatterns.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace SearchPatterns {
namespace {

enum class Kind { Literal, Star, StarToLastDot, OneOrNone, DotOrEnd };

struct Token {
    Kind kind;
    wchar_t c = 0;
};

std::wstring upperCase(std::wstring_view text) {
    std::wstring upper(text);
    if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

Token tokenAt(const std::wstring& pattern, size_t i) {
    const bool last = i + 1 == pattern.size();
    const wchar_t c = pattern[i], next = last ? L'\0' : pattern[i + 1];
    switch (c) {
        case L'*': return {next == L'.' ? Kind::StarToLastDot : Kind::Star};
        case L'<': return {Kind::StarToLastDot};
        case L'?':
        case L'>': return {Kind::OneOrNone};
        case L'"': return {Kind::DotOrEnd};
        case L'.':
            if (last || next == L'*' || next == L'?') return {Kind::DotOrEnd};
            [[fallthrough]];
        default: return {Kind::Literal, c};
    }
}

// Whether the tokens from `t` on match the name from `n` on, each pair
// worked out once.
class Matcher {
public:
    Matcher(std::wstring name, std::vector<Token> tokens)
        : name_(std::move(name)),
          tokens_(std::move(tokens)),
          lastDot_(name_.rfind(L'.')),
          known_((tokens_.size() + 1) * (name_.size() + 1), -1) {}

    bool from(size_t t, size_t n) {
        int8_t& known = known_[t * (name_.size() + 1) + n];
        if (known < 0) known = step(t, n);
        return known;
    }

private:
    bool step(size_t t, size_t n) {
        if (t == tokens_.size()) return n == name_.size();
        const bool end = n == name_.size();
        const wchar_t c = end ? L'\0' : name_[n];
        switch (tokens_[t].kind) {
            case Kind::Literal: return !end && c == tokens_[t].c && from(t + 1, n + 1);
            case Kind::Star: return from(t + 1, n) || (!end && from(t, n + 1));
            case Kind::StarToLastDot: return from(t + 1, n) || (!end && n != lastDot_ && from(t, n + 1));
            case Kind::OneOrNone: return end || c == L'.' ? from(t + 1, n) : from(t + 1, n + 1);
            case Kind::DotOrEnd: return end ? from(t + 1, n) : c == L'.' && from(t + 1, n + 1);
        }
        return false;
    }

    std::wstring name_;
    std::vector<Token> tokens_;
    size_t lastDot_;
    std::vector<int8_t> known_;
};

}  // namespace

bool matches(std::wstring_view name, std::wstring_view pattern) {
    const std::wstring upper = upperCase(pattern);
    std::vector<Token> tokens;
    for (size_t i = 0; i < upper.size(); ++i) tokens.push_back(tokenAt(upper, i));
    return Matcher(upperCase(name), std::move(tokens)).from(0, 0);
}

}  // namespace SearchPatterns
