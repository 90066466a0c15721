#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>

// The key of an encrypted vault: Argon2id over the login password and the file's salt, handed
// to SQLCipher as a raw key with that salt, so opening a connection costs no derivation.

// Argon2id's cost, chosen so that one unlock takes about half a second on a small two-core
// machine (bench/bench_vaultkey.cpp measures it). Changing these makes every encrypted vault
// need its password typed with the old values: they are part of the file format.
struct KeyDerivationCost {
    unsigned long long passes;
    std::size_t memoryBytes;
};
inline constexpr KeyDerivationCost VaultKeyCost{.passes = 3, .memoryBytes = std::size_t(192) << 20};

// SQLCipher's page size in the vaults this program encrypts: each page read is checked and
// decrypted as a whole, and large pages make that cost less per byte. Vaults encrypted with
// SQLCipher's own default (1024) are read as they are. Both are part of the file format.
inline constexpr int VaultPageSize = 16384;
inline constexpr int EarlierVaultPageSize = 1024;

inline constexpr std::size_t VaultKeyBytes = 32;  // SQLCipher's AES-256 key
inline constexpr std::size_t VaultSaltBytes = 16; // the plaintext start of every encrypted page 1
using VaultSalt = std::array<unsigned char, VaultSaltBytes>;

// A fresh random salt for a vault about to be written encrypted.
VaultSalt newVaultSalt();

// A derived key with its salt, in locked memory (sodium_malloc) that is wiped when the key goes.
// It can be moved, never copied.
class VaultKey final {
public:
    // Derives the key from the password's bytes and the salt; nothing when the memory the
    // derivation needs cannot be had.
    static std::optional<VaultKey> derive(QByteArrayView password, const VaultSalt& salt);
    // The text form of the password that makes the key: the UTF-8 of what the login compares
    // (typed text upper-cased, then trimmed).
    static std::optional<VaultKey> deriveFromLogin(const QString& canonicalPassword, const VaultSalt& salt);

    VaultKey(VaultKey&& other) noexcept;
    VaultKey& operator=(VaultKey&& other) noexcept;
    VaultKey(const VaultKey&) = delete;
    VaultKey& operator=(const VaultKey&) = delete;
    ~VaultKey();

    VaultSalt salt() const;
    // SQLCipher's raw key with salt, x'<64 hex key><32 hex salt>', for sqlite3_key and
    // ATTACH ... KEY; it lives in the same locked memory as the key.
    const char* keyText() const;
    int keyTextSize() const;

    // The page size of the file the key is for: VaultPageSize for a new key, the file's own once
    // keyOpensVault has opened it.
    int pageSize() const { return pageSize_; }
    void setPageSize(int bytes) { pageSize_ = bytes; }

private:
    explicit VaultKey(unsigned char* memory) : memory_(memory) {}
    void wipe();
    unsigned char* memory_ = nullptr;
    int pageSize_ = VaultPageSize;
};

// The key of the vault while the program is unlocked: none for a plain vault, none while
// locked. Forgetting wipes it.
const VaultKey* heldVaultKey();
void holdVaultKey(VaultKey key);
void forgetVaultKey();

// Overwrites the characters of a typed password held only by text, then empties it (a text that
// shares its characters with another is only emptied).
void wipeText(QString& text);
