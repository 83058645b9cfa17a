#include "table/wording.h"

#include <string_view>

namespace brixo {

namespace {

Translator& installed()
{
    static Translator translator;
    return translator;
}

} // namespace

void settranslator(Translator translator)
{
    installed() = std::move(translator);
}

std::string translate(const char* context, const char* source)
{
    const Translator& translator = installed();
    return translator ? translator(context, source) : std::string(source);
}

std::string fillin(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = std::size_t(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace brixo
