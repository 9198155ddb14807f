#pragma once

#include <QLockFile>
#include <QString>

// One running notes program per user: the first start holds a lock file in the
// user's runtime folder; a later start finds it held and ends.
class SingleInstance
{
public:
    // lockDir defaults to the user's runtime folder.
    explicit SingleInstance(const QString &lockDir = QString());

    // True when this process is the only running instance (and now holds the
    // lock); false when another instance holds it.
    bool acquire();
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    QLockFile m_lock;
};
