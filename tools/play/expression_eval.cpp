// expression_eval.cpp: evaluating expression trees and comparing values.
#include "tools/play/expression.h"

#include <limits>

namespace {
bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

// The integer value of a subtree; texts are refused with `what` in the message.
bool EvaluateNumber(const ExprNode& expr, INameSource& names, int64_t& out, std::string_view what,
                    std::string& error) {
    Value v;
    if (!Evaluate(expr, names, v, error)) return false;
    if (v.isText)
        return Fail(error, "a text (" + ValueText(v) + ") cannot be " + std::string(what) +
                               ": texts only compare with == and !=");
    out = v.number;
    return true;
}

bool Arithmetic(char op, int64_t a, int64_t b, int64_t& out, std::string& error) {
    bool overflow = false;
    switch (op) {
        case '+': overflow = __builtin_add_overflow(a, b, &out); break;
        case '-': overflow = __builtin_sub_overflow(a, b, &out); break;
        case '*': overflow = __builtin_mul_overflow(a, b, &out); break;
        case '/':
        case '%':
            if (b == 0) return Fail(error, op == '/' ? "division by zero" : "remainder of a division by zero");
            overflow = a == std::numeric_limits<int64_t>::min() && b == -1;
            if (!overflow) out = op == '/' ? a / b : a % b;
            break;
        default: return Fail(error, std::string("unknown operator '") + op + "'");
    }
    return overflow ? Fail(error, std::string("arithmetic overflow in '") + op + "'") : true;
}

bool EvaluateBinary(const ExprNode& expr, INameSource& names, Value& out, std::string& error) {
    const std::string what = std::string("used with '") + expr.op + "'";
    int64_t a = 0, b = 0;
    if (!EvaluateNumber(*expr.left, names, a, what, error) ||
        !EvaluateNumber(*expr.right, names, b, what, error))
        return false;
    out = Value::Number(0);
    return Arithmetic(expr.op, a, b, out.number, error);
}
}  // namespace

std::string ValueText(const Value& value) {
    return value.isText ? "\"" + value.text + "\"" : std::to_string(value.number);
}

bool Evaluate(const ExprNode& expr, INameSource& names, Value& out, std::string& error) {
    int64_t n = 0;
    switch (expr.kind) {
        case ExprNode::Kind::Number: out = Value::Number(expr.number); return true;
        case ExprNode::Kind::String: out = Value::Text(expr.text); return true;
        case ExprNode::Kind::Name: return names.ReadName(expr.text, out, error);
        case ExprNode::Kind::Element:
            if (!EvaluateNumber(*expr.left, names, n, "an index", error)) return false;
            return names.ReadElement(expr.text, n, out, error);
        case ExprNode::Kind::Call:
            if (!EvaluateNumber(*expr.left, names, n, "an argument", error)) return false;
            return names.CallFunction(expr.text, n, out, error);
        case ExprNode::Kind::Negate:
            if (!EvaluateNumber(*expr.left, names, n, "negated", error)) return false;
            if (n == std::numeric_limits<int64_t>::min()) return Fail(error, "arithmetic overflow in '-'");
            out = Value::Number(-n);
            return true;
        case ExprNode::Kind::Binary: return EvaluateBinary(expr, names, out, error);
    }
    return Fail(error, "bad expression");
}

bool CompareValues(const Value& a, CompareOp op, const Value& b, bool& result, std::string& error) {
    if (a.isText != b.isText)
        return Fail(error, "cannot compare a text with a number (" + ValueText(a) + " " +
                               std::string(CompareOpText(op)) + " " + ValueText(b) + ")");
    if (a.isText && op != CompareOp::Equal && op != CompareOp::NotEqual)
        return Fail(error, "texts only compare with == and !=");
    const int c = a.isText ? a.text.compare(b.text) : (a.number < b.number ? -1 : a.number > b.number);
    switch (op) {
        case CompareOp::Equal: result = c == 0; break;
        case CompareOp::NotEqual: result = c != 0; break;
        case CompareOp::Less: result = c < 0; break;
        case CompareOp::LessEqual: result = c <= 0; break;
        case CompareOp::Greater: result = c > 0; break;
        case CompareOp::GreaterEqual: result = c >= 0; break;
    }
    return true;
}
