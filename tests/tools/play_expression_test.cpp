// play_expression_test.cpp: the play script's tokenizer, expression parser
// and evaluator, over a stand-in name table and over the game state's names.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "tools/play/expression.h"
#include "tools/play/script_tokens.h"
#include "tools/play/state_names.h"
#include "shell/game_reset.h"

namespace {

// Names with fixed values: a few numbers, one list and one text.
class TableNames : public INameSource {
public:
    bool ReadName(std::string_view name, Value& out, std::string& error) override {
        if (name == "label") return out = Value::Text("Jízdenka"), true;
        auto it = numbers.find(std::string(name));
        if (it == numbers.end()) return error = "unknown name '" + std::string(name) + "'", false;
        out = Value::Number(it->second);
        return true;
    }
    bool ReadElement(std::string_view name, int64_t index, Value& out, std::string& error) override {
        if (name != "list" || index < 0 || index >= static_cast<int64_t>(list.size()))
            return error = "bad element", false;
        out = Value::Number(list[static_cast<size_t>(index)]);
        return true;
    }
    bool CallFunction(std::string_view name, int64_t arg, Value& out, std::string& error) override {
        if (name != "twice") return error = "unknown function '" + std::string(name) + "'", false;
        out = Value::Number(2 * arg);
        return true;
    }
    std::map<std::string, int64_t> numbers{{"a", 6}, {"b", 4}, {"zero", 0}};
    std::vector<int64_t> list{10, 20, 30};
};

// Parses the whole text as one expression and evaluates it.
bool Eval(const std::string& text, INameSource& names, Value& out, std::string& error) {
    std::vector<Token> tokens;
    if (!Tokenize(text, 0, tokens, error)) return false;
    size_t pos = 0;
    Expr expr;
    if (!ParseExpression(tokens, pos, expr, error)) return false;
    if (pos != tokens.size()) return error = "left over: " + tokens[pos].text, false;
    return Evaluate(*expr, names, out, error);
}

int64_t Number(const std::string& text, INameSource& names) {
    Value v;
    std::string error;
    EXPECT_TRUE(Eval(text, names, v, error)) << text << ": " << error;
    EXPECT_FALSE(v.isText) << text;
    return v.number;
}

std::string ErrorOf(const std::string& text, INameSource& names) {
    Value v;
    std::string error;
    EXPECT_FALSE(Eval(text, names, v, error)) << text << " evaluated to " << ValueText(v);
    return error;
}

TEST(PlayTokens, CommentsEndTheLineOnlyOutsideStrings) {
    EXPECT_EQ(StripComment("expect message == \"a#b\"  # the two lines"), "expect message == \"a#b\"");
    EXPECT_EQ(StripComment("print \"say \\\"#\\\"\" # x"), "print \"say \\\"#\\\"\"");
    EXPECT_EQ(StripComment("   # only a comment"), "");
    std::vector<Token> tokens;
    std::string error;
    ASSERT_TRUE(Tokenize("x \"a\\\"#b\\\\\" >= 12", 2, tokens, error)) << error;
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].kind, TokenKind::String);
    EXPECT_EQ(tokens[0].text, "a\"#b\\");
    EXPECT_EQ(tokens[1].text, ">=");
    EXPECT_EQ(tokens[2].number, 12);
    EXPECT_EQ(tokens[2].column, 15u);
}

TEST(PlayTokens, BadInputIsRefusedWithItsColumn) {
    std::vector<Token> tokens;
    std::string error;
    EXPECT_FALSE(Tokenize("x == \"open", 0, tokens, error));
    EXPECT_EQ(error, "unterminated string starting at column 6");
    EXPECT_FALSE(Tokenize("a = 1", 0, tokens, error));
    EXPECT_EQ(error, "unexpected '=' at column 3 (compare with ==)");
    EXPECT_FALSE(Tokenize("9223372036854775808", 0, tokens, error));
    EXPECT_EQ(error, "number too large at column 1");
    EXPECT_TRUE(Tokenize("9223372036854775807", 0, tokens, error));
    EXPECT_FALSE(Tokenize("12ab", 0, tokens, error));
    EXPECT_FALSE(Tokenize("a & b", 0, tokens, error));
}

TEST(PlayExpression, PrecedenceParenthesesAndUnaryMinus) {
    TableNames names;
    EXPECT_EQ(Number("1 + 2 * 3", names), 7);
    EXPECT_EQ(Number("(1 + 2) * 3", names), 9);
    EXPECT_EQ(Number("10 - 4 - 3", names), 3);      // left to right
    EXPECT_EQ(Number("48 / 4 / 2", names), 6);
    EXPECT_EQ(Number("a * b % 5 + 1", names), 5);   // (24 % 5) + 1
    EXPECT_EQ(Number("-a + b", names), -2);
    EXPECT_EQ(Number("2 * -3", names), -6);
    EXPECT_EQ(Number("- -4", names), 4);
    EXPECT_EQ(Number("-(a - b) * 2", names), -4);
    EXPECT_EQ(Number("-7 / 2", names), -3);         // toward zero, as the game's div
    EXPECT_EQ(Number("-7 % 3", names), -1);
    EXPECT_EQ(Number("((((a))))", names), 6);
}

TEST(PlayExpression, ElementsAndFunctionsTakeExpressions) {
    TableNames names;
    EXPECT_EQ(Number("list[0] + list[a - 4]", names), 40);
    EXPECT_EQ(Number("twice(list[1]) - 1", names), 39);
    EXPECT_EQ(Number("list[twice(1) - 1]", names), 20);
    EXPECT_EQ(ErrorOf("list[3]", names), "bad element");
    EXPECT_EQ(ErrorOf("list[label]", names),
              "a text (\"Jízdenka\") cannot be an index: texts only compare with == and !=");
}

TEST(PlayExpression, FaultsAreMessagesNotCrashes) {
    TableNames names;
    EXPECT_EQ(ErrorOf("a / zero", names), "division by zero");
    EXPECT_EQ(ErrorOf("a % (b - 4)", names), "remainder of a division by zero");
    EXPECT_EQ(ErrorOf("c + 1", names), "unknown name 'c'");
    EXPECT_EQ(ErrorOf("thrice(2)", names), "unknown function 'thrice'");
    EXPECT_EQ(ErrorOf("label + 1", names),
              "a text (\"Jízdenka\") cannot be used with '+': texts only compare with == and !=");
    EXPECT_EQ(ErrorOf("-label", names),
              "a text (\"Jízdenka\") cannot be negated: texts only compare with == and !=");
    EXPECT_EQ(ErrorOf("9223372036854775807 + 1", names), "arithmetic overflow in '+'");
    EXPECT_EQ(ErrorOf("-9223372036854775807 - 2", names), "arithmetic overflow in '-'");
    EXPECT_EQ(ErrorOf("4611686018427387904 * 2", names), "arithmetic overflow in '*'");
    EXPECT_EQ(ErrorOf("(1 + 2", names), "missing ')' for '(' at column 1");
    EXPECT_EQ(ErrorOf("list[1", names), "missing ']' for '[' at column 5");
    EXPECT_EQ(ErrorOf("1 +", names), "expected a value at the end of the line");
    EXPECT_EQ(ErrorOf("* 2", names), "expected a value at column 1, found '*'");
    EXPECT_EQ(ErrorOf("1 2", names), "left over: 2");  // the caller sees where it stopped
}

TEST(PlayExpression, ComparisonsOfNumbersAndTexts) {
    auto compare = [](const Value& a, CompareOp op, const Value& b) {
        bool result = false;
        std::string error;
        EXPECT_TRUE(CompareValues(a, op, b, result, error)) << error;
        return result;
    };
    EXPECT_TRUE(compare(Value::Number(-2), CompareOp::Less, Value::Number(1)));
    EXPECT_TRUE(compare(Value::Number(3), CompareOp::GreaterEqual, Value::Number(3)));
    EXPECT_FALSE(compare(Value::Number(3), CompareOp::Greater, Value::Number(3)));
    EXPECT_TRUE(compare(Value::Text("Nová hra"), CompareOp::Equal, Value::Text("Nová hra")));
    EXPECT_TRUE(compare(Value::Text("a#b"), CompareOp::NotEqual, Value::Text("a#c")));
    bool result = false;
    std::string error;
    EXPECT_FALSE(CompareValues(Value::Text("a"), CompareOp::Less, Value::Text("b"), result, error));
    EXPECT_EQ(error, "texts only compare with == and !=");
    EXPECT_FALSE(CompareValues(Value::Text("4"), CompareOp::Equal, Value::Number(4), result, error));
    EXPECT_EQ(error, "cannot compare a text with a number (\"4\" == 4)");
    CompareOp op{};
    EXPECT_TRUE(ParseCompareOp("<=", op));
    EXPECT_EQ(op, CompareOp::LessEqual);
    EXPECT_FALSE(ParseCompareOp("=", op));
}

class PlayStateNames : public ::testing::Test {
protected:
    void SetUp() override { ResetGame(); }
    void TearDown() override { ResetGame(); }
    GameStateNames names;
};

TEST_F(PlayStateNames, VariablesAndProgressEntriesReadTheRecord) {
    GameState.live.scene = 42;
    GameState.ui.hoverId = 65535;
    GameState.ui.menuReturnScene = -1;
    GameState.settings.language = 1;
    GameState.live.progress.flushCount = 3;
    GameState.live.progress.dialCode[2] = 7;
    GameState.live.progress.tile[8] = 5;
    GameState.live.progress[200] = 9;
    EXPECT_EQ(Number("scene", names), 42);
    EXPECT_EQ(Number("hoverId", names), 65535);
    EXPECT_EQ(Number("menuReturnScene", names), -1);
    EXPECT_EQ(Number("language", names), 1);
    EXPECT_EQ(Number("flushCount", names), 3);
    EXPECT_EQ(Number("progress[4]", names), 3);
    EXPECT_EQ(Number("dialCode[2]", names), 7);
    EXPECT_EQ(Number("progress[26]", names), 7);  // dialCode starts at index 24
    EXPECT_EQ(Number("tile[4 * 2]", names), 5);
    EXPECT_EQ(Number("progress[200]", names), 9);
}

TEST_F(PlayStateNames, ListsAreBoundsCheckedAndSingleValuesTakeNoIndex) {
    EXPECT_EQ(ErrorOf("tile[9]", names),
              "tile[9] is out of range: tile has 9 entries: write tile[0] .. tile[8]");
    EXPECT_EQ(ErrorOf("inventory[-1]", names),
              "inventory[-1] is out of range: inventory has 71 entries: write inventory[0] .. inventory[70]");
    EXPECT_EQ(ErrorOf("progress[201]", names),
              "progress[201] is out of range: progress has 201 entries: write progress[0] .. progress[200]");
    EXPECT_EQ(ErrorOf("glassPattern", names),
              "glassPattern has 9 entries: write glassPattern[0] .. glassPattern[8]");
    EXPECT_EQ(ErrorOf("scene[0]", names), "'scene' is a single value, not a list");
    EXPECT_EQ(ErrorOf("flushCount[0]", names), "'flushCount' is a single value, not a list");
    EXPECT_EQ(ErrorOf("nothing[0]", names), "unknown name 'nothing'");
    EXPECT_EQ(ErrorOf("sceneX", names), "unknown name 'sceneX'");
}

TEST_F(PlayStateNames, HasLooksThroughTheWholeInventory) {
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[70] = 230;
    EXPECT_EQ(Number("has(206) + has(230)", names), 2);
    EXPECT_EQ(Number("has(205)", names), 0);
    EXPECT_EQ(Number("has(206 + 256)", names), 0);  // no byte wrap-around
    EXPECT_EQ(ErrorOf("has(0)", names), "has(0): items are numbered from 1");
    EXPECT_EQ(ErrorOf("owns(206)", names), "unknown function 'owns'");
}

TEST_F(PlayStateNames, MessageAndLabelAreTheShownTextsInUtf8) {
    Value v;
    std::string error;
    GameState.ui.messageLines[0] = "Ji\x9e";  // "Již" in Windows-1250
    GameState.ui.messageLines[1] = "dv\xec";  // "dvě"
    GameState.ui.messageLines[2] = "stale";
    GameState.ui.messageLineCount = 1;
    ASSERT_TRUE(Eval("message", names, v, error)) << error;
    EXPECT_EQ(v.text, "Již#dvě");  // line 2 is not shown with a count of 1
    GameState.ui.messageLines[0].clear();
    ASSERT_TRUE(Eval("message", names, v, error)) << error;
    EXPECT_EQ(v.text, "");  // lines 1 and 2 are not drawn while line 0 is empty
    GameState.ui.hoverLabel = "Zp\xec" "t do hry";
    ASSERT_TRUE(Eval("hoverLabel", names, v, error)) << error;
    EXPECT_TRUE(v.isText);
    EXPECT_EQ(v.text, "Zpět do hry");
}

}  // namespace
