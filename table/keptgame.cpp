#include "table/keptgame.h"

#include "table/wording.h"

namespace brixo {

namespace {

// "Ann", "Ann and Bo", "Ann, Bo and Cy".
std::string namesInWords(const std::vector<std::string>& names)
{
    std::string words;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == 0) words = names[i];
        else if (i + 1 == names.size()) words = fillin(translate("Table", "%1 and %2"), {words, names[i]});
        else words = fillin(translate("Table", "%1, %2"), {words, names[i]});
    }
    return words;
}

} // namespace

std::string resumeQuestion(const KeptGame& game)
{
    //: %1 is the date and time the game was kept.
    if (game.names.empty()) return fillin(translate("Table", "Resume the game of %1?"), {game.date});
    return fillin(translate("Table", "Resume the game of %1 with %2?"), {game.date, namesInWords(game.names)});
}

std::string discardQuestion(const KeptGame& game)
{
    return fillin(translate("Table", "Discard the game of %1? It cannot be resumed afterwards."), {game.date});
}

} // namespace brixo
