#include "accounts/tokenstore.h"

#include "common/outputline.h"

#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

const QString keychainService = QStringLiteral("Stint");
const QString keychainKey = QStringLiteral("google-refresh-token");

} // namespace

void MemoryTokenStore::read(ReadCompletion completion)
{
    // Taken now, so a write that follows the read does not change its answer.
    QTimer::singleShot(0, this, [completion = std::move(completion), token = m_token] { completion(token); });
}

void MemoryTokenStore::write(const QString &refreshToken)
{
    m_token = refreshToken;
}

void MemoryTokenStore::remove()
{
    m_token.reset();
}

KeychainTokenStore::KeychainTokenStore(QObject *parent)
    : KeychainTokenStore(keychainKey, QStringLiteral("the Google sign-in"), parent)
{
}

KeychainTokenStore::KeychainTokenStore(const QString &key, const QString &what, QObject *parent)
    : TokenStore(parent), m_key(key), m_what(what)
{
}

// The jobs delete themselves when they finish; they are not parented to the
// store because the keyring may still call back into a job after the store
// is gone. The connections use the store as context, so a late answer is
// simply dropped.

void KeychainTokenStore::read(ReadCompletion completion)
{
    if (m_keyringFailed) {
        m_memory.read(std::move(completion));
        return;
    }
    auto *job = new QKeychain::ReadPasswordJob(keychainService);
    job->setKey(m_key);
    job->setAutoDelete(true);
    connect(job, &QKeychain::Job::finished, this, [this, completion = std::move(completion)](QKeychain::Job *finished) {
        auto *readJob = static_cast<QKeychain::ReadPasswordJob *>(finished);
        switch (readJob->error()) {
        case QKeychain::NoError: {
            const QString token = readJob->textData();
            std::optional<QString> result;
            if (!token.isEmpty())
                result = token;
            // The keyring may answer inside start(); the caller is
            // promised a later call either way.
            QTimer::singleShot(0, this, [completion, result] { completion(result); });
            return;
        }
        case QKeychain::EntryNotFound:
            QTimer::singleShot(0, this, [completion] { completion(std::nullopt); });
            return;
        default:
            fallBackToMemory();
            m_memory.read(completion);
            return;
        }
    });
    job->start();
}

void KeychainTokenStore::write(const QString &refreshToken)
{
    // The memory copy is what survives if the keyring refuses the write.
    m_memory.write(refreshToken);
    if (m_keyringFailed)
        return;
    auto *job = new QKeychain::WritePasswordJob(keychainService);
    job->setKey(m_key);
    job->setTextData(refreshToken);
    job->setAutoDelete(true);
    connect(job, &QKeychain::Job::finished, this, [this](QKeychain::Job *finished) {
        if (finished->error() != QKeychain::NoError)
            fallBackToMemory();
    });
    job->start();
}

void KeychainTokenStore::remove()
{
    m_memory.remove();
    if (m_keyringFailed)
        return;
    auto *job = new QKeychain::DeletePasswordJob(keychainService);
    job->setKey(m_key);
    job->setAutoDelete(true);
    connect(job, &QKeychain::Job::finished, this, [this](QKeychain::Job *finished) {
        const QKeychain::Error error = finished->error();
        if (error != QKeychain::NoError && error != QKeychain::EntryNotFound)
            fallBackToMemory();
    });
    job->start();
}

void KeychainTokenStore::fallBackToMemory()
{
    if (m_keyringFailed)
        return;
    m_keyringFailed = true;
    printLine(QStringLiteral("The desktop keyring is not available: %1 is kept in memory only until Stint quits")
                      .arg(m_what));
}
