// Numbers nobody may predict: room codes, the seeds of rooms, seat keys.
// Each is the only lock on what it opens, so none may be guessable from the
// ones seen before. Tests fix them.
#pragma once

#include <cstdint>
#include <string>

namespace brixo {

class SecretRandom {
public:
    virtual ~SecretRandom() = default;
    virtual std::uint64_t next() = 0;
};

// The operating system's cryptographic source (/dev/urandom).
class SystemSecretRandom final : public SecretRandom {
public:
    std::uint64_t next() override;
};

// `length` characters from A-Z a-z 0-9, each equally likely.
std::string randomKey(SecretRandom& random, std::size_t length);

} // namespace brixo
