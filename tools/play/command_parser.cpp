// command_parser.cpp: turning a script line into a ScriptCommand.
#include <cctype>

#include "tools/play/commands.h"

namespace {
bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    return s;
}

// Parses expressions from tokens[pos] until `max` are read or the tokens end.
bool ParseArgs(std::string_view line, const std::vector<Token>& tokens, size_t& pos, size_t max,
               ScriptCommand& cmd, std::string& error) {
    while (pos < tokens.size() && cmd.args.size() < max) {
        const size_t first = pos;
        Expr e;
        if (!ParseExpression(tokens, pos, e, error)) return false;
        cmd.args.push_back(std::move(e));
        const size_t from = tokens[first].column;
        cmd.argTexts.emplace_back(line.substr(from, tokens[pos - 1].end - from));
    }
    return true;
}

// Checks the argument count and that nothing is left over.
bool CheckArgs(const ScriptCommand& cmd, const std::vector<Token>& tokens, size_t pos, size_t min,
               size_t max, std::string& error) {
    const std::string name(cmd.def->name);
    if (pos < tokens.size())
        return Fail(error, "unexpected '" + tokens[pos].text + "' at " + ColumnText(tokens[pos].column) +
                               " (" + name + " takes at most " + std::to_string(max) + " argument" +
                               (max == 1 ? "" : "s") + ")");
    if (cmd.args.size() < min)
        return Fail(error, name + " needs " + std::to_string(min) + " argument" + (min == 1 ? "" : "s"));
    return true;
}

bool ParseComparison(std::string_view line, const std::vector<Token>& tokens, ScriptCommand& cmd,
                     std::string& error) {
    size_t pos = 0;
    if (!ParseArgs(line, tokens, pos, 1, cmd, error)) return false;
    if (cmd.args.empty()) return Fail(error, "expect needs: EXPR OP VALUE");
    if (pos >= tokens.size() || tokens[pos].kind != TokenKind::Symbol ||
        !ParseCompareOp(tokens[pos].text, cmd.op))
        return Fail(error, "expected one of == != < <= > >= after '" + cmd.argTexts[0] + "'");
    ++pos;
    if (pos >= tokens.size()) return Fail(error, "expected a value after the comparison");
    if (!ParseArgs(line, tokens, pos, 2, cmd, error)) return false;
    return CheckArgs(cmd, tokens, pos, 2, 2, error);
}

// repeat COUNT COMMAND: the command starts at the first word that names a
// command and follows a complete count expression, so the command keeps its
// own syntax (a file name, say) whatever the expression tokenizer makes of it.
bool ParseRepeat(std::string_view line, size_t from, int lineNumber, ScriptCommand& cmd,
                 std::string& error) {
    std::string lastError = "repeat needs: COUNT COMMAND (for example: repeat 3 click)";
    const size_t count = line.size() - TrimLeft(line.substr(from)).size();  // the count's first word
    for (size_t i = count + 1; i < line.size(); ++i) {
        const bool wordStart = !std::isspace(static_cast<unsigned char>(line[i])) &&
                               std::isspace(static_cast<unsigned char>(line[i - 1]));
        if (!wordStart) continue;
        size_t end = i;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
        if (FindCommand(line.substr(i, end - i)) == nullptr) continue;
        std::vector<Token> tokens;
        size_t pos = 0;
        cmd.args.clear();
        cmd.argTexts.clear();
        const std::string_view head = line.substr(0, i);
        if (!Tokenize(head, from, tokens, lastError) || !ParseArgs(head, tokens, pos, 1, cmd, lastError))
            continue;
        if (pos < tokens.size() || cmd.args.empty()) continue;
        return ParseCommandLine(line.substr(i), lineNumber, cmd.repeated, error);
    }
    return Fail(error, lastError);
}

bool ParsePath(std::string_view line, size_t from, ScriptCommand& cmd, std::string& error) {
    const std::string_view rest = TrimLeft(line.substr(from));
    if (!rest.empty() && rest.front() == '"') {
        std::vector<Token> tokens;
        if (!Tokenize(line, from, tokens, error)) return false;
        if (tokens.size() != 1) return Fail(error, "expected one \"quoted\" file name");
        cmd.word = tokens[0].text;
    } else {
        cmd.word = std::string(rest);
    }
    return !cmd.word.empty() || Fail(error, std::string(cmd.def->name) + " needs a file name");
}

bool ParseShape(std::string_view line, size_t from, int lineNumber, ScriptCommand& cmd, std::string& error) {
    if (cmd.def->shape == ArgShape::Path) return ParsePath(line, from, cmd, error);
    if (cmd.def->shape == ArgShape::Repeat) return ParseRepeat(line, from, lineNumber, cmd, error);
    std::vector<Token> tokens;
    if (!Tokenize(line, from, tokens, error)) return false;
    size_t pos = 0;
    switch (cmd.def->shape) {
        case ArgShape::None: return CheckArgs(cmd, tokens, 0, 0, 0, error);
        case ArgShape::Expr: return ParseArgs(line, tokens, pos, 1, cmd, error) && CheckArgs(cmd, tokens, pos, 1, 1, error);
        case ArgShape::TwoExpr: return ParseArgs(line, tokens, pos, 2, cmd, error) && CheckArgs(cmd, tokens, pos, 2, 2, error);
        case ArgShape::OneOrTwo: return ParseArgs(line, tokens, pos, 2, cmd, error) && CheckArgs(cmd, tokens, pos, 1, 2, error);
        case ArgShape::Optional: return ParseArgs(line, tokens, pos, 1, cmd, error) && CheckArgs(cmd, tokens, pos, 0, 1, error);
        case ArgShape::Word:
            // One word, or words joined by '+' ("shift+tab").
            for (size_t i = 0; i < tokens.size(); ++i) {
                const bool wordPlace = i % 2 == 0;
                const bool ok = wordPlace ? tokens[i].kind == TokenKind::Name
                                          : tokens[i].kind == TokenKind::Symbol && tokens[i].text == "+";
                if (!ok) return Fail(error, std::string(cmd.def->name) + " needs one word");
                cmd.word += tokens[i].text;
            }
            if (tokens.size() % 2 == 0) return Fail(error, std::string(cmd.def->name) + " needs one word");
            return true;
        case ArgShape::WordExpr:
            if (tokens.empty() || tokens[0].kind != TokenKind::Name)
                return Fail(error, std::string(cmd.def->name) + " needs a word and a value");
            cmd.word = tokens[0].text;
            pos = 1;
            return ParseArgs(line, tokens, pos, 1, cmd, error) && CheckArgs(cmd, tokens, pos, 1, 1, error);
        case ArgShape::Comparison: return ParseComparison(line, tokens, cmd, error);
        case ArgShape::Path:
        case ArgShape::Repeat: break;
    }
    return true;
}
}  // namespace

bool ParseCommandLine(std::string_view line, int lineNumber, std::unique_ptr<ScriptCommand>& out,
                      std::string& error) {
    out.reset();
    const std::string_view text = StripComment(line);
    const std::string_view body = TrimLeft(text);
    if (body.empty()) return true;
    const size_t start = text.size() - body.size();
    size_t end = start;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view name = text.substr(start, end - start);
    auto cmd = std::make_unique<ScriptCommand>();
    cmd->line = lineNumber;
    cmd->def = FindCommand(name);
    if (cmd->def == nullptr) return Fail(error, "unknown command '" + std::string(name) + "'");
    if (!ParseShape(text, end, lineNumber, *cmd, error)) return false;
    out = std::move(cmd);
    return true;
}
