#include "Sealing.h"

#include "Error.h"

#include <QList>
#include <sodium.h>

// A sealed file is four lines: the header, then salt, nonce and ciphertext in base64. The key
// comes from the password through Argon2id; the ciphertext carries its own authentication tag,
// so a wrong password and a changed byte fail the same way.

namespace vlt {
namespace {

const QByteArray kSealedHeader = QByteArrayLiteral("VLTFILE 1 SEALED");

// The fuzz build derives keys at Argon2id's lowest cost: the fuzzer must try thousands of
// sealed inputs a second, and it tests the handling of the file around the key, not the key's
// strength. Files sealed by that build open only there.
#ifdef CLASSSHAPER_FUZZ_BUILD
constexpr unsigned long long kKeyOpsLimit = crypto_pwhash_OPSLIMIT_MIN;
constexpr std::size_t kKeyMemLimit = crypto_pwhash_MEMLIMIT_MIN;
#else
constexpr unsigned long long kKeyOpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t kKeyMemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;
#endif

void ensureSodium() {
    static const int state = sodium_init();
    if (state < 0)
        throw Error(QStringLiteral("Die Verschlüsselungsbibliothek kann nicht gestartet werden."));
}

QByteArray deriveKey(const QString& password, const QByteArray& salt) {
    const QByteArray secret = password.toUtf8();
    QByteArray key(crypto_secretbox_KEYBYTES, '\0');
    if (crypto_pwhash(reinterpret_cast<unsigned char*>(key.data()), key.size(), secret.constData(),
                      secret.size(), reinterpret_cast<const unsigned char*>(salt.constData()),
                      kKeyOpsLimit, kKeyMemLimit, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw Error(QStringLiteral("Für den Schlüssel aus dem Kennwort fehlt der Speicher."));
    return key;
}

QByteArray randomBytes(std::size_t count) {
    QByteArray bytes(static_cast<qsizetype>(count), '\0');
    randombytes_buf(bytes.data(), count);
    return bytes;
}

Error damaged(const QString& url) {
    return Error(QStringLiteral("Die Datei \"%1\" kann nicht entschlüsselt werden: das Kennwort "
                                "ist falsch oder die Datei wurde verändert.")
                     .arg(url));
}

QByteArray decodeLine(const QByteArray& line, qsizetype expectedSize, const QString& url) {
    const auto result =
        QByteArray::fromBase64Encoding(line, QByteArray::AbortOnBase64DecodingErrors);
    if (!result || (expectedSize >= 0 && result.decoded.size() != expectedSize))
        throw damaged(url);
    return result.decoded;
}

} // namespace

bool isSealedFile(const QByteArray& bytes) {
    return bytes.startsWith(kSealedHeader + '\n') || bytes.startsWith(kSealedHeader + "\r\n");
}

QByteArray sealFile(const QByteArray& plain, const QString& password) {
    ensureSodium();
    const QByteArray salt = randomBytes(crypto_pwhash_SALTBYTES);
    const QByteArray nonce = randomBytes(crypto_secretbox_NONCEBYTES);
    const QByteArray key = deriveKey(password, salt);
    QByteArray cipher(plain.size() + static_cast<qsizetype>(crypto_secretbox_MACBYTES), '\0');
    crypto_secretbox_easy(reinterpret_cast<unsigned char*>(cipher.data()),
                          reinterpret_cast<const unsigned char*>(plain.constData()),
                          static_cast<unsigned long long>(plain.size()),
                          reinterpret_cast<const unsigned char*>(nonce.constData()),
                          reinterpret_cast<const unsigned char*>(key.constData()));
    QByteArray out = kSealedHeader;
    out.append('\n').append(salt.toBase64()).append('\n');
    out.append(nonce.toBase64()).append('\n');
    out.append(cipher.toBase64()).append('\n');
    return out;
}

QByteArray unsealFile(const QByteArray& sealed, const QString& password, const QString& url) {
    ensureSodium();
    QList<QByteArray> lines = sealed.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.size() != 4 || lines[0] != kSealedHeader)
        throw damaged(url);
    const QByteArray salt = decodeLine(lines[1], crypto_pwhash_SALTBYTES, url);
    const QByteArray nonce = decodeLine(lines[2], crypto_secretbox_NONCEBYTES, url);
    const QByteArray cipher = decodeLine(lines[3], -1, url);
    if (cipher.size() < static_cast<qsizetype>(crypto_secretbox_MACBYTES))
        throw damaged(url);
    const QByteArray key = deriveKey(password, salt);
    QByteArray plain(cipher.size() - static_cast<qsizetype>(crypto_secretbox_MACBYTES), '\0');
    if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(plain.data()),
                                   reinterpret_cast<const unsigned char*>(cipher.constData()),
                                   static_cast<unsigned long long>(cipher.size()),
                                   reinterpret_cast<const unsigned char*>(nonce.constData()),
                                   reinterpret_cast<const unsigned char*>(key.constData())) != 0)
        throw damaged(url);
    return plain;
}

} // namespace vlt
