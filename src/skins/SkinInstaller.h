#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

struct AppContext;
class QWidget;

// Copies a skin file handed to the program into the user's skins folder,
// named after the skin name stored inside it. Only a skin that would show on
// a note is installed, and only under a name that stays in the skins folder;
// every refusal is shown to the user and leaves the folder as it was.
class SkinInstaller
{
    Q_DECLARE_TR_FUNCTIONS(SkinInstaller)

public:
    struct Installed
    {
        QString path;     // the copy in the skins folder
        QString listName; // its name in the skin list
        QString skinName; // the name stored in the file
    };

    explicit SkinInstaller(AppContext &ctx);

    std::optional<Installed> Install(const QString &skinPath, QWidget *parent = nullptr);

private:
    void refuse(QWidget *parent, const QString &text) const;

    AppContext &m_ctx;
};
