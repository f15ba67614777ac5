#include "expression_checker.h"

#include "demo_model.h"

#include <cctype>
#include <cstring>

namespace {
// Functions of the host's expression language that the demo knows.
constexpr const char *kFunctions[] = {"NEGEXP", "NORMAL", "UNIFORM", "IUNIFORM", "ABS", "MIN", "MAX"};

bool IsFunction(const std::string &name)
{
    for (const char *function : kFunctions)
        if (strcasecmp(function, name.c_str()) == 0)
            return true;
    return false;
}
} // namespace

std::string ExpressionChecker::Check(const std::string &expression)
{
    m_text = expression;
    m_pos = 0;
    m_error.clear();
    SkipBlanks();
    if (m_pos == m_text.size())
        return "empty expression";
    if (Expression()) {
        SkipBlanks();
        if (m_pos != m_text.size())
            Fail("unexpected '" + m_text.substr(m_pos, 1) + "'");
    }
    return m_error;
}

bool ExpressionChecker::Expression()
{
    return Chain(&ExpressionChecker::Term, '+', '-');
}

bool ExpressionChecker::Term()
{
    return Chain(&ExpressionChecker::Factor, '*', '/');
}

// Operands joined by either of two operators, left to right.
bool ExpressionChecker::Chain(bool (ExpressionChecker::*operand)(), char first, char second)
{
    do {
        if (!(this->*operand)())
            return false;
    } while (Accept(first) || Accept(second));
    return true;
}

bool ExpressionChecker::Factor()
{
    SkipBlanks();
    if (Accept('-'))
        return Factor();
    if (Accept('(')) {
        if (!Expression())
            return false;
        return Accept(')') || Fail("missing ')'");
    }
    if (m_pos < m_text.size() && (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '.')) {
        while (m_pos < m_text.size() &&
               (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '.'))
            ++m_pos;
        return true;
    }
    if (m_pos < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos])))
        return Name();
    return Fail(m_pos < m_text.size() ? "unexpected '" + m_text.substr(m_pos, 1) + "'" : "unexpected end");
}

// An element name, optionally indexed, or a function with its arguments.
bool ExpressionChecker::Name()
{
    size_t start = m_pos;
    while (m_pos < m_text.size() && (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_'))
        ++m_pos;
    std::string name = m_text.substr(start, m_pos - start);
    bool function = IsFunction(name);
    if (!function && !m_model.FindByName(name))
        return Fail("unknown name " + name);
    if (!Accept('('))
        return !function || Fail(name + " needs arguments");
    do {
        if (!Expression())
            return false;
    } while (function && Accept(','));
    return Accept(')') || Fail("missing ')'");
}

void ExpressionChecker::SkipBlanks()
{
    while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
        ++m_pos;
}

bool ExpressionChecker::Accept(char c)
{
    SkipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] == c) {
        ++m_pos;
        return true;
    }
    return false;
}

bool ExpressionChecker::Fail(const std::string &what)
{
    if (m_error.empty())
        m_error = what;
    return false;
}
