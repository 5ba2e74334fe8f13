// expression.h: the play script's expressions and comparisons.
//
// An expression is integer arithmetic (+ - * / % with the usual precedence,
// parentheses, unary minus) over decimal numbers, names (`scene`), list
// elements (`inventory[3]`, the index itself an expression) and functions of
// one integer (`has(205)`). Two kinds of value exist: integers, and texts
// (a "quoted" string or a text name such as `message`), which only compare
// with == and != and take no arithmetic.
//
// Parsing builds a small tree once per script line; evaluation reads the
// names through an INameSource every time the line runs. Every fault (bad
// syntax, an unknown name, an index out of range, division by zero, overflow,
// text in arithmetic) gives false with a message; nothing is thrown.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/play/script_tokens.h"

struct Value {
    bool isText = false;
    int64_t number = 0;
    std::string text;  // UTF-8

    static Value Number(int64_t n) { return Value{false, n, {}}; }
    static Value Text(std::string t) { return Value{true, 0, std::move(t)}; }
};

// 42, or a text in double quotes.
std::string ValueText(const Value& value);

// Where names get their values. Each call returns false with a message
// (such as "unknown name 'foo'") when it cannot give one.
class INameSource {
public:
    virtual ~INameSource() = default;
    virtual bool ReadName(std::string_view name, Value& out, std::string& error) = 0;
    virtual bool ReadElement(std::string_view name, int64_t index, Value& out, std::string& error) = 0;
    virtual bool CallFunction(std::string_view name, int64_t arg, Value& out, std::string& error) = 0;
};

struct ExprNode {
    enum class Kind { Number, String, Name, Element, Call, Negate, Binary };
    Kind kind = Kind::Number;
    int64_t number = 0;
    std::string text;  // name, or string content
    char op = 0;       // for Binary: + - * / %
    std::unique_ptr<ExprNode> left, right;  // Element/Call/Negate use left only
};
using Expr = std::unique_ptr<ExprNode>;

// Parses one expression from tokens[pos] on and leaves pos at the first
// token that cannot continue it (the caller decides whether more may follow).
bool ParseExpression(const std::vector<Token>& tokens, size_t& pos, Expr& out, std::string& error);

bool Evaluate(const ExprNode& expr, INameSource& names, Value& out, std::string& error);

enum class CompareOp { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

// The operator of a symbol token; false for anything else.
bool ParseCompareOp(std::string_view symbol, CompareOp& op);
std::string_view CompareOpText(CompareOp op);

// Integers compare with all six operators, texts with == and != only;
// an integer never compares with a text.
bool CompareValues(const Value& a, CompareOp op, const Value& b, bool& result, std::string& error);
