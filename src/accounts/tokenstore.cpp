#include "accounts/tokenstore.h"
#include <QTimer>
// Placeholder until the keyring store lands.
void MemoryTokenStore::read(ReadCompletion completion) { QTimer::singleShot(0, this, [this, completion] { completion(m_token); }); }
void MemoryTokenStore::write(const QString &refreshToken) { m_token = refreshToken; }
void MemoryTokenStore::remove() { m_token.reset(); }
KeychainTokenStore::KeychainTokenStore(QObject *parent) : TokenStore(parent) {}
void KeychainTokenStore::read(ReadCompletion completion) { m_memory.read(std::move(completion)); }
void KeychainTokenStore::write(const QString &refreshToken) { m_memory.write(refreshToken); }
void KeychainTokenStore::remove() { m_memory.remove(); }
void KeychainTokenStore::fallBackToMemory() {}
