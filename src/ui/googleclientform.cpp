#include "ui/googleclientform.h"

#include "timer/defaultviewmodel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

void GoogleClientForm::setClient(GoogleClient *client)
{
    if (m_client)
        m_client->disconnect(this);
    m_client = client;
    if (m_client)
        connect(m_client, &GoogleClient::changed, this, &GoogleClientForm::isShownChanged);
    Q_EMIT clientChanged();
    Q_EMIT isShownChanged();
}

bool GoogleClientForm::isShown() const
{
    return m_client && (m_editing || m_client->needsSetUp());
}

void GoogleClientForm::setEditing(bool editing)
{
    m_editing = editing;
    Q_EMIT isShownChanged();
}

void GoogleClientForm::setReason(const QString &reason)
{
    m_reason = reason;
    Q_EMIT reasonChanged();
}

void GoogleClientForm::edit()
{
    setReason({});
    setEditing(true);
}

void GoogleClientForm::cancel()
{
    setReason({});
    setEditing(false);
}

bool GoogleClientForm::save(const QString &clientId, const QString &clientSecret)
{
    if (!m_client)
        return false;
    const QString id = clientId.trimmed();
    const QString secret = clientSecret.trimmed();
    if (id.isEmpty()) {
        setReason(tr("Enter the client ID."));
        return false;
    }
    if (!GoogleClient::isClientIdShape(id)) {
        setReason(tr("A client ID ends in .apps.googleusercontent.com."));
        return false;
    }
    if (secret.isEmpty()) {
        setReason(tr("Enter the client secret."));
        return false;
    }
    setReason({});
    m_client->save(id, secret);
    setEditing(false);
    return true;
}

void GoogleClientForm::remove()
{
    if (m_client)
        m_client->remove();
    cancel();
}

void GoogleClientForm::openGuide()
{
    const QString path = guidePath();
    openAndReport(QUrl::fromLocalFile(path), QFileInfo::exists(path));
}

QString GoogleClientForm::guidePath()
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/stint/google-client.md"))
            .absoluteFilePath();
}
