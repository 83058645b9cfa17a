#include "icu/icunamekeys.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/uspoof.h>

#include <memory>

namespace brixo {

namespace {

struct SpoofCloser {
    void operator()(USpoofChecker* checker) const { uspoof_close(checker); }
};

icu::UnicodeString folded(const icu::UnicodeString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* fold = icu::Normalizer2::getNFKCCasefoldInstance(status);
    if (U_FAILURE(status)) return text;
    icu::UnicodeString out = fold->normalize(text, status);
    return U_FAILURE(status) ? text : out;
}

icu::UnicodeString skeleton(const icu::UnicodeString& text)
{
    static const std::unique_ptr<USpoofChecker, SpoofCloser> checker = [] {
        UErrorCode status = U_ZERO_ERROR;
        USpoofChecker* opened = uspoof_open(&status);
        return std::unique_ptr<USpoofChecker, SpoofCloser>(U_FAILURE(status) ? nullptr : opened);
    }();
    if (!checker) return text;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    uspoof_getSkeletonUnicodeString(checker.get(), 0, text, out, &status);
    return U_FAILURE(status) ? text : out;
}

std::string utf8(const icu::UnicodeString& text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

} // namespace

std::vector<std::string> icuNameKeys(std::string_view name)
{
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), int(name.size())));
    icu::UnicodeString upper = text;
    upper.toUpper(icu::Locale::getRoot());
    return {utf8(folded(skeleton(folded(text)))), utf8(folded(skeleton(upper)))};
}

} // namespace brixo
