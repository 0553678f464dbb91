// Readable names and values for parameterised tests. Without them GoogleTest shows a table
// row as its raw bytes and names it by position, which says nothing about the failing case.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

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
    switch (ch) {
    case '\t':
        return "Tab";
    case '\r':
        return "CR";
    case '\n':
        return "LF";
    case '!':
        return "Bang";
    case '"':
        return "Quote";
    case '#':
        return "Hash";
    case '$':
        return "Dollar";
    case '%':
        return "Percent";
    case '&':
        return "Amp";
    case '\'':
        return "Apostrophe";
    case '(':
        return "OpenParen";
    case ')':
        return "CloseParen";
    case '*':
        return "Star";
    case '+':
        return "Plus";
    case ',':
        return "Comma";
    case '-':
        return "Minus";
    case '.':
        return "Dot";
    case '/':
        return "Slash";
    case ':':
        return "Colon";
    case ';':
        return "Semicolon";
    case '<':
        return "Less";
    case '=':
        return "Equals";
    case '>':
        return "Greater";
    case '?':
        return "Question";
    case '@':
        return "At";
    case '[':
        return "OpenBracket";
    case '\\':
        return "Backslash";
    case ']':
        return "CloseBracket";
    case '^':
        return "Caret";
    case '`':
        return "Backtick";
    case '{':
        return "OpenBrace";
    case '|':
        return "Bar";
    case '}':
        return "CloseBrace";
    case '~':
        return "Tilde";
    default:
        return nullptr;
    }
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
