#pragma once
// ISecretStore: where the program keeps a secret the person typed (the proxy password): the
// desktop's keyring, never a settings file. Where no keyring is available nothing is stored,
// and the person is asked again next time.

#include <QString>

#include <optional>

namespace sv {

class ISecretStore {
public:
    virtual ~ISecretStore() = default;
    // The secret stored under key; nothing when none is stored or no keyring answers.
    virtual std::optional<QString> Read(const QString& key) = 0;
    // Stores secret under key; false, with the keyring's reason in error, when it is not stored.
    virtual bool Write(const QString& key, const QString& secret, QString* error) = 0;
    virtual void Remove(const QString& key) = 0;
};

} // namespace sv
