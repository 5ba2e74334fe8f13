// texts_command.cpp: "varnoklet3-tool texts", the whole bilingual text table
// as UTF-8, one row per line: id, Czech and English, tab-separated, with
// "<none>" where a language has no entry (the form of texts/texts.tsv, so the
// output can be compared with the source).
#include <ostream>
#include <string>

#include "texts/cp1250.h"
#include "texts/text_table.h"
#include "texts/texts.h"
#include "tools/tool/tool_command.h"

namespace {
std::string Cell(uint8_t language, TextId id) {
    std::string text;
    if (!GetTextIn(language, id, text)) return "<none>";
    return Cp1250ToUtf8(text);
}
}  // namespace

int RunTextsCommand(ToolContext& ctx, ToolArgs args) {
    if (!args.empty()) {
        ctx.err << "usage: varnoklet3-tool texts (takes no arguments)\n";
        return 2;
    }
    for (int id = 0; id < kTextCount; ++id) {
        const auto textId = static_cast<TextId>(id);
        ctx.out << id << '\t' << Cell(0, textId) << '\t' << Cell(1, textId) << '\n';
    }
    return ctx.out.good() ? 0 : 1;
}
