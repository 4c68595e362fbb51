#pragma once
// TKeychainStore: ISecretStore in the desktop's keyring (Secret Service, KWallet ...) through
// QtKeychain. Each call waits for the keyring's answer in a local event loop.

#include "update/SecretStore.h"

namespace sv {

class TKeychainStore final : public ISecretStore {
public:
    // service: the name the secrets are filed under in the keyring.
    explicit TKeychainStore(QString service);

    std::optional<QString> Read(const QString& key) override;
    bool Write(const QString& key, const QString& secret, QString* error) override;
    void Remove(const QString& key) override;

private:
    QString m_service;
};

} // namespace sv
