// The host's expression compiler, as far as the demo needs it: numbers, element names (with an index in
// parentheses for arrays), the built-in distribution functions, + - * /, unary minus and parentheses.
#pragma once
#include <string>

class DemoModel;

class ExpressionChecker {
public:
    explicit ExpressionChecker(const DemoModel &model) : m_model(model) {}
    // Empty when the expression is sound; otherwise what is wrong.
    std::string Check(const std::string &expression);

private:
    bool Expression();
    bool Term();
    bool Chain(bool (ExpressionChecker::*operand)(), char first, char second);
    bool Factor();
    bool Name();
    void SkipBlanks();
    bool Accept(char c);
    bool Fail(const std::string &what);

    const DemoModel &m_model;
    std::string m_text;
    size_t m_pos = 0;
    std::string m_error;
};
