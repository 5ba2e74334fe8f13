// expression_parser.cpp: building the expression tree by recursive descent.
//
//   sum     := product (('+' | '-') product)*
//   product := unary (('*' | '/' | '%') unary)*
//   unary   := '-' unary | primary
//   primary := number | string | '(' sum ')' | name | name '[' sum ']' | name '(' sum ')'
#include "tools/play/expression.h"

namespace {
class Parser {
public:
    Parser(const std::vector<Token>& tokens, size_t& pos, std::string& error)
        : tokens_(tokens), pos_(pos), error_(error) {}

    bool Sum(Expr& out) {
        if (!Product(out)) return false;
        while (AtSymbol("+") || AtSymbol("-")) {
            const char op = tokens_[pos_++].text[0];
            Expr rhs;
            if (!Product(rhs)) return false;
            out = MakeBinary(op, std::move(out), std::move(rhs));
        }
        return true;
    }

private:
    bool Product(Expr& out) {
        if (!Unary(out)) return false;
        while (AtSymbol("*") || AtSymbol("/") || AtSymbol("%")) {
            const char op = tokens_[pos_++].text[0];
            Expr rhs;
            if (!Unary(rhs)) return false;
            out = MakeBinary(op, std::move(out), std::move(rhs));
        }
        return true;
    }

    bool Unary(Expr& out) {
        if (!AtSymbol("-")) return Primary(out);
        ++pos_;
        out = std::make_unique<ExprNode>();
        out->kind = ExprNode::Kind::Negate;
        return Unary(out->left);
    }

    bool Primary(Expr& out) {
        if (pos_ >= tokens_.size()) return Fail("expected a value at the end of the line");
        const Token& t = tokens_[pos_];
        out = std::make_unique<ExprNode>();
        if (t.kind == TokenKind::Number || t.kind == TokenKind::String) {
            out->kind = t.kind == TokenKind::Number ? ExprNode::Kind::Number : ExprNode::Kind::String;
            out->number = t.number;
            out->text = t.text;
            ++pos_;
            return true;
        }
        if (t.kind == TokenKind::Name) return NameOrCall(out);
        if (t.text == "(") {
            ++pos_;
            return Sum(out) && Close(")", t);
        }
        return Fail("expected a value at " + ColumnText(t.column) + ", found '" + t.text + "'");
    }

    // name, name[index] or name(argument).
    bool NameOrCall(Expr& out) {
        const Token& name = tokens_[pos_++];
        out->text = name.text;
        out->kind = ExprNode::Kind::Name;
        if (!AtSymbol("[") && !AtSymbol("(")) return true;
        const Token& open = tokens_[pos_++];
        const bool element = open.text == "[";
        out->kind = element ? ExprNode::Kind::Element : ExprNode::Kind::Call;
        return Sum(out->left) && Close(element ? "]" : ")", open);
    }

    bool Close(std::string_view symbol, const Token& open) {
        if (AtSymbol(symbol)) {
            ++pos_;
            return true;
        }
        return Fail("missing '" + std::string(symbol) + "' for '" + open.text + "' at " +
                    ColumnText(open.column));
    }

    bool AtSymbol(std::string_view symbol) const {
        return pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Symbol &&
               tokens_[pos_].text == symbol;
    }

    static Expr MakeBinary(char op, Expr lhs, Expr rhs) {
        auto node = std::make_unique<ExprNode>();
        node->kind = ExprNode::Kind::Binary;
        node->op = op;
        node->left = std::move(lhs);
        node->right = std::move(rhs);
        return node;
    }

    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    const std::vector<Token>& tokens_;
    size_t& pos_;
    std::string& error_;
};
}  // namespace

bool ParseExpression(const std::vector<Token>& tokens, size_t& pos, Expr& out, std::string& error) {
    return Parser(tokens, pos, error).Sum(out);
}

bool ParseCompareOp(std::string_view symbol, CompareOp& op) {
    static constexpr std::pair<std::string_view, CompareOp> kOps[] = {
        {"==", CompareOp::Equal}, {"!=", CompareOp::NotEqual},     {"<", CompareOp::Less},
        {"<=", CompareOp::LessEqual}, {">", CompareOp::Greater}, {">=", CompareOp::GreaterEqual}};
    for (const auto& [text, value] : kOps)
        if (text == symbol) {
            op = value;
            return true;
        }
    return false;
}

std::string_view CompareOpText(CompareOp op) {
    switch (op) {
        case CompareOp::Equal: return "==";
        case CompareOp::NotEqual: return "!=";
        case CompareOp::Less: return "<";
        case CompareOp::LessEqual: return "<=";
        case CompareOp::Greater: return ">";
        case CompareOp::GreaterEqual: return ">=";
    }
    return "?";
}
