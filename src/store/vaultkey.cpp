#include "vaultkey.h"

#include "vault.h"

#include <sodium.h>

#include <cstring>
#include <utility>

namespace {

// Locked layout: key, salt, then the key text "x'<hex key><hex salt>'" and its NUL.
constexpr std::size_t SaltOffset = VaultKeyBytes;
constexpr std::size_t TextOffset = SaltOffset + VaultSaltBytes;
constexpr std::size_t TextSize = 3 + 2 * (VaultKeyBytes + VaultSaltBytes);
constexpr std::size_t LockedSize = TextOffset + TextSize + 1;

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::optional<VaultKey>& held() {
    static std::optional<VaultKey> key;
    return key;
}

} // namespace

VaultSalt newVaultSalt() {
    VaultSalt salt{};
    if (sodiumReady()) randombytes_buf(salt.data(), salt.size());
    return salt;
}

std::optional<VaultKey> VaultKey::derive(QByteArrayView password, const VaultSalt& salt) {
    static_assert(VaultSaltBytes == crypto_pwhash_SALTBYTES);
    if (!sodiumReady()) return std::nullopt;
    auto* memory = static_cast<unsigned char*>(sodium_malloc(LockedSize));
    if (!memory) return std::nullopt;
    VaultKey key(memory);
    if (crypto_pwhash(memory, VaultKeyBytes, password.data(), std::size_t(password.size()), salt.data(),
                      VaultKeyCost.passes, VaultKeyCost.memoryBytes, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    std::memcpy(memory + SaltOffset, salt.data(), VaultSaltBytes);
    char* text = reinterpret_cast<char*>(memory + TextOffset);
    text[0] = 'x';
    text[1] = '\'';
    // Key and salt stand next to each other, so one hex conversion writes both.
    sodium_bin2hex(text + 2, TextSize - 2, memory, VaultKeyBytes + VaultSaltBytes);
    text[TextSize - 1] = '\'';
    text[TextSize] = '\0';
    return key;
}

std::optional<VaultKey> VaultKey::deriveFromLogin(const QString& canonicalPassword, const VaultSalt& salt) {
    QByteArray bytes = canonicalPassword.toUtf8();
    std::optional<VaultKey> key = derive(bytes, salt);
    sodium_memzero(bytes.data(), std::size_t(bytes.size()));
    return key;
}

VaultKey::VaultKey(VaultKey&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)), pageSize_(other.pageSize_) {}

VaultKey& VaultKey::operator=(VaultKey&& other) noexcept {
    if (this != &other) {
        wipe();
        memory_ = std::exchange(other.memory_, nullptr);
        pageSize_ = other.pageSize_;
    }
    return *this;
}

VaultKey::~VaultKey() {
    wipe();
}

void VaultKey::wipe() {
    if (!memory_) return;
    sodium_memzero(memory_, LockedSize);
    sodium_free(memory_);
    memory_ = nullptr;
}

VaultSalt VaultKey::salt() const {
    VaultSalt salt{};
    std::memcpy(salt.data(), memory_ + SaltOffset, VaultSaltBytes);
    return salt;
}

const char* VaultKey::keyText() const {
    return reinterpret_cast<const char*>(memory_ + TextOffset);
}

int VaultKey::keyTextSize() const {
    return int(TextSize);
}

const VaultKey* heldVaultKey() {
    return held() ? &*held() : nullptr;
}

void holdVaultKey(VaultKey key) {
    held() = std::move(key);
}

void forgetVaultKey() {
    // The connection watching the vault holds the key as well.
    letGoOfVaultWatch();
    held().reset();
}

void wipeText(QString& text) {
    if (!text.isEmpty() && text.isDetached())
        sodium_memzero(text.data(), std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}
