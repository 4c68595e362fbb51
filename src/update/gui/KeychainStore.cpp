#include "update/gui/KeychainStore.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace sv {

namespace {

// Runs job to its end; true when it succeeded, else error receives the keyring's text.
bool Finish(QKeychain::Job& job, QString* error)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return true;
    if (error)
        *error = job.errorString();
    return false;
}

} // namespace

TKeychainStore::TKeychainStore(QString service) : m_service(std::move(service)) { }

std::optional<QString> TKeychainStore::Read(const QString& key)
{
    QKeychain::ReadPasswordJob job(m_service);
    job.setKey(key);
    if (!Finish(job, nullptr))
        return std::nullopt;
    return job.textData();
}

bool TKeychainStore::Write(const QString& key, const QString& secret, QString* error)
{
    QKeychain::WritePasswordJob job(m_service);
    job.setKey(key);
    job.setTextData(secret);
    return Finish(job, error);
}

void TKeychainStore::Remove(const QString& key)
{
    QKeychain::DeletePasswordJob job(m_service);
    job.setKey(key);
    Finish(job, nullptr);
}

} // namespace sv
