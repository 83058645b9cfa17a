#include "table/keptgame.h"

namespace brixo {

namespace {

// "Ann", "Ann and Bo", "Ann, Bo and Cy".
std::string namesInWords(const std::vector<std::string>& names)
{
    std::string words;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) words += i + 1 == names.size() ? " and " : ", ";
        words += names[i];
    }
    return words;
}

} // namespace

std::string resumeQuestion(const KeptGame& game)
{
    std::string question = "Resume the game of " + game.date;
    if (!game.names.empty()) question += " with " + namesInWords(game.names);
    return question + "?";
}

std::string discardQuestion(const KeptGame& game)
{
    return "Discard the game of " + game.date + "? It cannot be resumed afterwards.";
}

} // namespace brixo
