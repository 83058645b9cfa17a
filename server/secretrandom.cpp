#include "server/secretrandom.h"

#include <random>
#include <string_view>

namespace brixo {

std::uint64_t SystemSecretRandom::next()
{
    static std::random_device device("/dev/urandom");
    return (std::uint64_t(device()) << 32) | device();
}

std::string randomKey(SecretRandom& random, std::size_t length)
{
    static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string key;
    key.reserve(length);
    // Six bits at a time; the two values past the alphabet are passed over,
    // so that no character is likelier than another.
    while (key.size() < length) {
        std::uint64_t bits = random.next();
        for (int taken = 0; taken < 10 && key.size() < length; ++taken, bits >>= 6)
            if ((bits & 63) < kAlphabet.size()) key += kAlphabet[bits & 63];
    }
    return key;
}

} // namespace brixo
