#include "accounts/googleclient.h"

#include "accounts/tokenstore.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSettings>

namespace {

const QString clientIdKey = QStringLiteral("googleClientId");

} // namespace

GoogleClient::GoogleClient(TokenStore *secretStore, QObject *parent)
    : QObject(parent)
    , m_secretStore(secretStore)
    , m_fileSettings(SignInSettings::fromInfoDictionary())
    , m_enteredId(QSettings().value(clientIdKey).toString())
{
}

void GoogleClient::load(std::function<void()> done)
{
    if (m_enteredId.isEmpty()) {
        // Nothing to ask the keyring for.
        m_loaded = true;
        Q_EMIT changed();
        QMetaObject::invokeMethod(this, std::move(done), Qt::QueuedConnection);
        return;
    }
    const QPointer<GoogleClient> self(this);
    m_secretStore->read([self, done = std::move(done)](std::optional<QString> secret) {
        if (!self)
            return;
        self->m_enteredSecret = secret.value_or(QString());
        self->m_loaded = true;
        Q_EMIT self->changed();
        done();
    });
}

SignInSettings GoogleClient::settings() const
{
    SignInSettings settings = m_fileSettings;
    if (!m_enteredId.isEmpty()) {
        // Never the files' secret: it belongs to another client.
        settings.clientId = m_enteredId;
        settings.clientSecret = m_enteredSecret;
    }
    return settings;
}

bool GoogleClient::isComplete() const
{
    const SignInSettings current = settings();
    return !current.clientId.isEmpty() && !current.clientSecret.isEmpty();
}

void GoogleClient::save(const QString &clientId, const QString &clientSecret)
{
    m_enteredId = clientId;
    m_enteredSecret = clientSecret;
    m_loaded = true;
    QSettings().setValue(clientIdKey, clientId);
    m_secretStore->write(clientSecret);
    Q_EMIT changed();
}

void GoogleClient::remove()
{
    m_enteredId.clear();
    m_enteredSecret.clear();
    QSettings().remove(clientIdKey);
    m_secretStore->remove();
    Q_EMIT changed();
    Q_EMIT removed();
}

bool GoogleClient::isClientIdShape(const QString &clientId)
{
    static const QRegularExpression shape(QStringLiteral(R"(^[0-9]+-[0-9a-z]+\.apps\.googleusercontent\.com$)"));
    return shape.match(clientId).hasMatch();
}
