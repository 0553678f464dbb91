// Readable names and values for parameterised tests. Without them GoogleTest shows a table
// row as its raw bytes and names it by position, which says nothing about the failing case.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace korvane::testing {

/// Text as GoogleTest shows a string: quoted, with control and non-ASCII bytes escaped.
/// Needed for `const char*` fields, which GoogleTest would otherwise show as an address.
inline std::string Quoted(std::string_view text)
{
    return ::testing::PrintToString(std::string(text));
}

/// Which punctuation a name spells out. Leading suits prose, where the first characters of a
/// line are what tells lines apart; All suits short texts made mostly of separators.
enum class Spell { Leading, All };

namespace detail {

inline const char* SymbolWord(char ch)
{
    static constexpr std::pair<char, const char*> kWords[] = {
        {'\t', "Tab"},        {'\r', "CR"},        {'\n', "LF"},          {'!', "Bang"},     {'"', "Quote"},
        {'#', "Hash"},        {'$', "Dollar"},     {'%', "Percent"},      {'&', "Amp"},      {'\'', "Apostrophe"},
        {'(', "OpenParen"},   {')', "CloseParen"}, {'*', "Star"},         {'+', "Plus"},     {',', "Comma"},
        {'-', "Minus"},       {'.', "Dot"},        {'/', "Slash"},        {':', "Colon"},    {';', "Semicolon"},
        {'<', "Less"},        {'=', "Equals"},     {'>', "Greater"},      {'?', "Question"}, {'@', "At"},
        {'[', "OpenBracket"}, {'\\', "Backslash"}, {']', "CloseBracket"}, {'^', "Caret"},    {'`', "Backtick"},
        {'{', "OpenBrace"},   {'|', "Bar"},        {'}', "CloseBrace"},   {'~', "Tilde"}};
    for (const auto& [symbol, word] : kWords) {
        if (symbol == ch)
            return word;
    }
    return nullptr;
}

inline bool IsAsciiAlnum(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
}

}  // namespace detail

/// A test name made from text: its words joined by '_', leading spaces as "Indent<n>", and
/// punctuation spelled out as chosen, e.g. "  - Inside (6)" gives "Indent2_Minus_Inside_6".
/// Only [A-Za-z0-9_] results, as GoogleTest requires. Long names are cut after a whole word;
/// GoogleTest refuses duplicate names at start-up, so a clash cannot go unnoticed.
inline std::string NameFromText(std::string_view text, Spell spell = Spell::Leading, std::size_t maxLength = 40)
{
    const std::size_t indent = text.find_first_not_of(' ');
    if (text.empty())
        return "Empty";
    if (indent == std::string_view::npos)
        return "Spaces" + std::to_string(text.size());

    enum class Token { None, Word, Symbol } last = Token::None;
    std::string name;
    bool gap = false;  // something unspelled since the last token: the next one starts anew
    bool seenWord = false;
    if (indent > 0) {
        name = "Indent" + std::to_string(indent);
        last = Token::Word;
        gap = true;
    }
    for (const char ch : text.substr(indent)) {
        const char* word = detail::SymbolWord(ch);
        const bool isWord = detail::IsAsciiAlnum(ch);
        if (!isWord && !(word && (spell == Spell::All || !seenWord))) {
            gap = true;
            continue;
        }
        const Token token = isWord ? Token::Word : Token::Symbol;
        if (last != Token::None && (gap || last != token))
            name += '_';
        if (isWord)
            name += ch;
        else
            name += word;
        last = token;
        gap = false;
        seenWord = seenWord || isWord;
    }
    if (name.empty())
        return "Unprintable";
    if (name.size() > maxLength) {
        const std::size_t cut = name.rfind('_', maxLength);
        name.resize(cut != std::string::npos && cut > 0 ? cut : maxLength);
    }
    return name;
}

/// Name generator for table rows that carry their own `name`.
struct NameField
{
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return std::string(info.param.name);
    }
};

}  // namespace korvane::testing
